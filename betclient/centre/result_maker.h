// Payouts of a race from its finishing order and the horses' chances of
// winning (which stand for the betting pools: a likely winner pays little).
#pragma once

#include <array>
#include <vector>

#include "betclient/centre/day.h"

namespace centre {

// Chance of winning of each horse number (index horse - 1); 0 for horses not
// on sale; the chances of the runners add up to 1.
using WinChances = std::array<double, kMaxHorses>;

// 複勝 pays the first three, or the first two when fewer than eight run.
int placesPaid(const Race& race);

// The winning combinations of each kind the race sells and their payouts.
// A dead heat (two horses sharing a place) splits the pool between the
// combinations it produces, so each kind may have several entries.
RaceResult resultFromOrder(const Race& race, const WinChances& chances,
                           const std::vector<Finisher>& order);

}  // namespace centre

// The promise of an unattended day: every bet the prediction program wrote
// was placed exactly once, or is among the bets left in the list after a
// failed run; and nothing was placed that was not written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "betclient/centre/voting.h"
#include "frontends/simhome/prediction_program.h"

namespace simhome {

// The bets of a bet list: canonical lines ("001: 東京 11R 馬連 03-05
// 1000"), and lines as the prediction program writes them (a list whose
// re-parse did not come through keeps them so); lines of another shape are
// skipped.
std::vector<centre::Bet> BetsOfList(const std::string& listText);

// The first bet, in the order written, that breaks the promise, with what
// happened to it ("東京 11R 馬連 03-05 1000: written 1, placed 2"); then the
// first bet placed that was never written.  None when the promise holds.
std::optional<std::string> FirstBrokenBet(const std::vector<PlannedBetFile>& files,
                                          const std::vector<centre::LedgerEntry>& ledger,
                                          const std::vector<centre::Bet>& leftAfterFailedRuns);

}  // namespace simhome

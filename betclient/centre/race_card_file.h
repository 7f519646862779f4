// Race cards, in two shapes:
// - the client's own files "De-%d%d%x.Jra" (venue code, 日目, race number in
//   lower-case hex), one per meeting and race: a heading line with the date,
//   venue, 回, 日目, race number, start time and field, then one line per
//   horse (bracket, number, name, 出走/取消/除外);
// - race-card lines of the race-card data files (one line per race, as in
//   "JRA#DEN1.DAT" and the .DEN files of the race-card directory).
#pragma once

#include <string>
#include <vector>

#include "betclient/centre/day.h"
#include "betclient/centre/fixed_line.h"

namespace centre {

namespace race_card_layout {
constexpr Column kYear{0, 4};
constexpr Column kMonth{4, 2};
constexpr Column kDay{6, 2};
constexpr Column kVenueName{8, 4};
constexpr Column kRaceLabel{12, 4};  // "11R "
constexpr Column kKai{16, 2};
constexpr Column kNichime{18, 2};
constexpr Column kRaceNo{20, 2};
constexpr Column kStartTime{22, 4};
constexpr Column kFieldSize{27, 2};
constexpr Column kRunners{30, 2};
constexpr Column kSaleCode{33, 2};
// Horse lines.
constexpr Column kHorseBracket{0, 2};
constexpr Column kHorseNumber{3, 2};
constexpr Column kHorseName{6, 18};
constexpr Column kHorseStatus{25, 4};
}  // namespace race_card_layout

namespace den_layout {
constexpr Column kVenue{0, 2};
constexpr Column kYear{2, 2};  // year mod 100
constexpr Column kKai{4, 1};
constexpr Column kNichime{5, 1};
constexpr Column kRace{6, 2};
constexpr Column kDate{8, 4};  // month * 100 + day
constexpr Column kStartTime{13, 4};
constexpr Column kFieldSize{18, 2};
constexpr Column kVenueName{21, 4};
}  // namespace den_layout

// "De-58a.Jra" for venue 5, 日目 8, race 10.
std::string raceCardFileName(const Meeting& meeting, int race);
std::vector<std::string> formatRaceCard(const Day& day, const Meeting& meeting, int race);

std::string formatDenLine(const Day& day, const Meeting& meeting, int race);

}  // namespace centre

// The payout files of a meeting, one per bet kind: "Th-", "Fh-", "Wh-",
// "Uh-" followed by "%d%d%d%d.Jra" (venue code, year mod 10, 回, 日目).  One
// line: the date, venue name, kind name, 回 and 日目, then twelve race blocks
// of the kind's width, each with the race number, a result flag (1 when the
// result is out), the number of winning entries and the entries.
#pragma once

#include <array>
#include <string>

#include "betclient/centre/day.h"
#include "betclient/centre/fixed_line.h"

namespace centre {

namespace payout_layout {
constexpr Column kYear{0, 4};
constexpr Column kMonth{4, 2};
constexpr Column kDay{6, 2};
constexpr Column kVenueName{8, 4};
constexpr Column kKindName{12, 4};
constexpr Column kKai{16, 2};
constexpr Column kNichime{18, 2};
constexpr int kBlocksAt = 20;
// Within a race block.
constexpr Column kRaceNo{0, 2};
constexpr Column kResultFlag{2, 1};
constexpr Column kWinnerCount{3, 1};
constexpr int kEntriesAt = 4;

struct KindLayout {
    const char* prefix;
    int blockWidth;
    int entries;
    int entryWidth;
    Column first;   // within an entry
    Column second;  // pairs only
    Column payout;
    int dashAt;     // the '-' between a pair's numbers; -1 for single kinds
};
// Indexed by kindIndex: 単勝, 複勝, 枠連, 馬連.
constexpr std::array<KindLayout, kKindCount> kKinds = {{
    {"Th", 44, 3, 10, {0, 2}, {0, 0}, {3, 7}, -1},
    {"Fh", 64, 5, 10, {0, 2}, {0, 0}, {3, 7}, -1},
    {"Wh", 48, 3, 12, {0, 2}, {3, 1}, {5, 7}, 2},
    {"Uh", 56, 3, 14, {0, 3}, {4, 2}, {7, 7}, 3},
}};
constexpr int blockAt(const KindLayout& k, int race) { return kBlocksAt + (race - 1) * k.blockWidth; }
constexpr int entryAt(const KindLayout& k, int race, int e) {
    return blockAt(k, race) + kEntriesAt + e * k.entryWidth;
}
}  // namespace payout_layout

// "Th-5834.Jra" for 単勝 of venue 5, a year ending in 8, 回 3, 日目 4.
std::string payoutFileName(const Day& day, const Meeting& meeting, Kind kind);
// The line of a kind for a meeting, with the results out at `now`.
std::string formatPayoutLine(const Day& day, const Meeting& meeting, Kind kind, int now);

}  // namespace centre

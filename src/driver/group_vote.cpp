#include "driver/group_vote.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "base/acceptance.h"
#include "base/venue.h"

namespace driver {

namespace {

// Vote-log kinds 1..4 in the order of these letters.
constexpr const char* kLogKindLetters = "TFWU";

// venue, race, kind, the lower and the higher number, units.
using Key = std::tuple<int, int, int, int, int, int>;

int logKind(char letter) {
    const char* at = letter != 0 ? std::strchr(kLogKindLetters, letter) : nullptr;
    return at ? static_cast<int>(at - kLogKindLetters) + 1 : 0;
}

Key keyOf(const base::BetLine& b) {
    const int kind = logKind(b.kind);
    const bool pair = base::isPairKind(b.kind);
    return {b.venue, b.race, kind, pair ? std::min(b.first, b.second) : 0,
            pair ? std::max(b.first, b.second) : b.first, b.amount};
}

// A single kind's only number is the log's second number; its first
// number field belongs to the pair kinds and is not looked at.
Key keyOf(const clientdata::VoteLogEntry& e) {
    const bool pair = e.kind == logKind(base::kKindWakuren) || e.kind == logKind(base::kKindUmaren);
    if (!pair) return {e.venueCode, e.race, e.kind, 0, e.second, e.amountUnits};
    return {e.venueCode, e.race, e.kind, std::min(e.first, e.second), std::max(e.first, e.second), e.amountUnits};
}

}  // namespace

base::BetLine AsBetLine(const base::ReadBackBet& bet) {
    base::BetLine line;
    line.venue = static_cast<std::uint8_t>(base::VenueFromName(bet.venue));
    line.race = static_cast<std::uint8_t>(bet.race);
    line.kind = bet.kind;
    line.first = static_cast<std::uint8_t>(bet.first);
    line.second = static_cast<std::uint8_t>(bet.second);
    line.amount = static_cast<std::int16_t>(bet.amountYen / base::kYenPerUnit);
    return line;
}

std::vector<BetOutcome> MatchVote(const std::vector<GroupBet>& group,
                                  const std::vector<clientdata::VoteLogRecord>& records) {
    std::vector<BetOutcome> outcomes(group.size());
    if (records.empty()) return outcomes;
    std::vector<std::pair<Key, int>> entries;  // key, status; status -1 once used
    for (const clientdata::VoteLogRecord& record : records)
        for (const clientdata::VoteLogEntry& e : record.entries) entries.push_back({keyOf(e), e.status});
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (!group[i].entered) continue;
        const Key key = keyOf(AsBetLine(group[i].bet));
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const auto& e) { return e.second >= 0 && e.first == key; });
        if (found == entries.end()) {
            outcomes[i].fate = BetFate::Missing;
            continue;
        }
        outcomes[i].status = found->second;
        outcomes[i].fate = found->second == base::kAcceptanceAccepted ? BetFate::Placed : BetFate::Refused;
        found->second = -1;
    }
    return outcomes;
}

}  // namespace driver

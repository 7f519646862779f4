#include "betclient/centre/payout_file.h"

#include <algorithm>
#include <cstdio>

#include "betclient/centre/venues.h"
#include "betclient/centre/voting.h"

namespace centre {

using namespace payout_layout;

std::string payoutFileName(const Day& day, const Meeting& m, Kind kind) {
    char name[40];
    std::snprintf(name, sizeof name, "%s-%d%d%d%d.Jra", kKinds[kindIndex(kind)].prefix, m.venue,
                  day.year % 10, m.kai, m.nichime);
    return name;
}

std::string formatPayoutLine(const Day& day, const Meeting& m, Kind kind, int now) {
    const KindLayout& k = kKinds[kindIndex(kind)];
    FixedLine line;
    line.number(kYear, day.year).number(kMonth, day.month).number(kDay, day.day);
    line.text(kVenueName, venueName(m.venue)).text(kKindName, kindName(kind));
    line.number(kKai, m.kai).number(kNichime, m.nichime);
    for (int r = 1; r <= kRacesPerMeeting; ++r) {
        const Race& race = m.races[r - 1];
        const bool out = resultPublished(race, now);
        const auto& entries = race.result.of(kind);
        const int shown = out ? std::min(static_cast<int>(entries.size()), k.entries) : 0;
        const int block = blockAt(k, r);
        line.number({block + kRaceNo.at, kRaceNo.width}, r);
        line.number({block + kResultFlag.at, kResultFlag.width}, out ? 1 : 0);
        line.number({block + kWinnerCount.at, kWinnerCount.width}, shown);
        line.extendTo(block + k.blockWidth);
        for (int e = 0; e < shown; ++e) {
            const int at = entryAt(k, r, e);
            const PayoutEntry& p = entries[e];
            line.number({at + k.first.at, k.first.width}, p.first, FixedLine::Pad::Blank);
            if (k.dashAt >= 0) {
                line.text({at + k.dashAt, 1}, "-");
                line.number({at + k.second.at, k.second.width}, p.second, FixedLine::Pad::Blank);
            }
            line.number({at + k.payout.at, k.payout.width}, p.payout, FixedLine::Pad::Blank);
        }
    }
    return line.str();
}

}  // namespace centre

#include "betclient/centre/day.h"

#include "betclient/centre/sale_codes.h"

namespace centre {

std::string_view kindName(Kind k) {
    switch (k) {
        case Kind::Win: return "単勝";
        case Kind::Place: return "複勝";
        case Kind::Bracket: return "枠連";
        case Kind::Quinella: return "馬連";
    }
    return {};
}

int Race::fieldSize() const {
    for (int h = kMaxHorses; h >= 1; --h)
        if (horseCodes[h - 1] != kHorseNone) return h;
    return 0;
}

int Race::runnerCount() const {
    int n = 0;
    for (auto c : horseCodes) n += c != kHorseNone;
    return n;
}

int Race::horsesOnSale() const {
    int n = 0;
    for (auto c : horseCodes) n += c == kHorseOnSale;
    return n;
}

bool Race::horseOnSale(int horse) const {
    return horse >= 1 && horse <= kMaxHorses && horseCodes[horse - 1] == kHorseOnSale;
}

int weekday(int y, int m, int d) {
    static constexpr int kMonthOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 1 || m > 12) return 0;
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + kMonthOffset[m - 1] + d) % 7;
}

const Meeting* Day::meetingAt(int venue) const {
    for (const auto& m : meetings)
        if (m.venue == venue) return &m;
    return nullptr;
}

const Race* Day::race(int venue, int r) const {
    const Meeting* m = meetingAt(venue);
    if (!m || r < 1 || r > kRacesPerMeeting) return nullptr;
    return &m->races[r - 1];
}

}  // namespace centre

#include "betclient/centre/generator.h"

#include <algorithm>
#include <array>

#include "betclient/centre/brackets.h"
#include "betclient/centre/result_maker.h"
#include "betclient/centre/rng.h"
#include "betclient/centre/sale_codes.h"

namespace centre {

namespace {

// The racecourses in use by month, in slot order (codes 1..10).
constexpr std::array<std::array<int, kMaxMeetings>, 12> kSeasonVenues = {{
    {6, 8, 7}, {5, 8, 10}, {6, 9, 7}, {6, 9, 3}, {5, 8, 4}, {5, 9, 2},
    {3, 7, 2}, {4, 10, 1}, {6, 9, 1}, {5, 8, 4}, {5, 8, 3}, {6, 9, 7},
}};
constexpr double kTwoMeetingsChance = 0.2;

// First race of each slot, then 29-33 minutes per race and a lunch break
// after race 4.
constexpr std::array<int, kMaxMeetings> kFirstStart = {1000, 1010, 950};
constexpr int kMinGap = 29, kMaxGap = 33;
constexpr int kLunchAfterRace = 4;
constexpr int kMinLunch = 40, kMaxLunch = 50;

constexpr double kSmallFieldChance = 0.06;  // seven to nine runners
constexpr double kScratchChance = 0.025;    // per horse
constexpr double kExcludedShare = 0.2;      // of the scratched: 除外 rather than 取消
constexpr int kMinOnSale = 5;
constexpr double kNoQuinellaChance = 0.05;
constexpr double kNotOnSaleChance = 0.015;
constexpr double kDeadHeatChance = 0.025;   // per race, at one of the first three places
constexpr int kFinishersKept = 5;

std::uint64_t mixSeed(int y, int m, int d, std::uint64_t seed) {
    Rng mix(seed ^ (static_cast<std::uint64_t>(y * 10000 + m * 100 + d) * 0x100000001B3ull));
    return mix.next();
}

void drawHorses(Race& race, Rng& rng) {
    int field = rng.chance(kSmallFieldChance) ? rng.range(7, 9) : rng.range(10, kMaxHorses + 2);
    field = std::min(field, kMaxHorses);  // full fields are the most common
    for (int h = 1; h <= field; ++h) race.horseCodes[h - 1] = kHorseOnSale;
    for (int h = 1; h <= field; ++h) {
        if (race.horsesOnSale() <= kMinOnSale || !rng.chance(kScratchChance)) continue;
        race.horseCodes[h - 1] = rng.chance(kExcludedShare) ? kHorseExcluded : kHorseScratched;
    }
}

int drawSaleCode(const Race& race, Rng& rng) {
    if (rng.chance(kNotOnSaleChance)) return kRaceNotOnSale;
    if (race.fieldSize() <= kBrackets) return kRaceNoBracket;
    return rng.chance(kNoQuinellaChance) ? kRaceNoQuinella : kRaceAllKinds;
}

// Strengths lean to a few favourites; only products and sums, so the day is
// the same wherever it is generated.
WinChances drawChances(const Race& race, Rng& rng) {
    WinChances c{};
    double sum = 0;
    for (int h = 1; h <= kMaxHorses; ++h) {
        if (!race.horseOnSale(h)) continue;
        double u = rng.unit();
        c[h - 1] = 0.02 + u * u * u;
        sum += c[h - 1];
    }
    for (double& x : c) x /= sum;
    return c;
}

std::vector<Finisher> drawOrder(const WinChances& chances, Rng& rng) {
    WinChances left = chances;
    std::vector<Finisher> order;
    while (static_cast<int>(order.size()) < kFinishersKept) {
        double total = 0;
        for (double x : left) total += x;
        if (total <= 0) break;
        double pick = rng.unit() * total;
        int h = 0;
        for (; h < kMaxHorses - 1; ++h) {
            if (left[h] > 0 && pick < left[h]) break;
            pick -= left[h];
        }
        while (left[h] <= 0) --h;  // rounding at the end of the walk
        left[h] = 0;
        int place = static_cast<int>(order.size()) + 1;
        order.push_back({h + 1, place});
    }
    if (rng.chance(kDeadHeatChance) && order.size() >= 4) {
        int at = rng.range(0, 2);  // the horse behind shares this place
        order[at + 1].place = order[at].place;
    }
    return order;
}

Race makeRace(int startTime, Rng& rng) {
    Race race;
    race.startTime = startTime;
    drawHorses(race, rng);
    race.saleCode = drawSaleCode(race, rng);
    deriveBracketCodes(race);
    WinChances chances = drawChances(race, rng);
    std::vector<Finisher> order = drawOrder(chances, rng);
    if (race.saleCode != kRaceNotOnSale) race.result = resultFromOrder(race, chances, order);
    return race;
}

Meeting makeMeeting(int slot, int venue, int month, int dayOfMonth, int wday, Rng& rng) {
    Meeting m;
    m.venue = venue;
    m.kai = std::clamp(1 + (month - 1) * 5 / 12, 1, 5);
    m.nichime = std::clamp(1 + (dayOfMonth - 1) / 7 * 2 + (wday == 0 ? 1 : 0), 1, 8);
    int minutes = toMinutes(kFirstStart[slot]);
    for (int r = 1; r <= kRacesPerMeeting; ++r) {
        m.races[r - 1] = makeRace(toHhmm(minutes), rng);
        minutes += rng.range(kMinGap, kMaxGap);
        if (r == kLunchAfterRace) minutes += rng.range(kMinLunch, kMaxLunch);
    }
    return m;
}

Account makeAccount(Rng& rng) {
    Account a;
    a.userId = kDefaultUserId;
    a.password = kDefaultPassword;
    a.balance = 100 * rng.range(500, 9999);
    a.purchaseLimit = std::min(a.balance, 300000) / 1000 * 1000;
    if (rng.chance(0.5)) {
        a.prevDayPurchase = 100 * rng.range(10, 500);
        a.prevDayPayout = 10 * rng.range(0, a.prevDayPurchase / 5);
    }
    return a;
}

}  // namespace

Day generateDay(int year, int month, int dayOfMonth, std::uint64_t seed) {
    Rng rng(mixSeed(year, month, dayOfMonth, seed));
    Day day;
    day.year = year;
    day.month = month;
    day.day = dayOfMonth;
    day.account = makeAccount(rng);
    day.seed = seed;
    const int wday = weekday(year, month, dayOfMonth);
    const int meetings = rng.chance(kTwoMeetingsChance) ? 2 : kMaxMeetings;
    const auto& venues = kSeasonVenues[std::clamp(month, 1, 12) - 1];
    for (int s = 0; s < meetings; ++s)
        day.meetings.push_back(makeMeeting(s, venues[s], month, dayOfMonth, wday, rng));
    return day;
}

}  // namespace centre

#include "frontends/campaign/campaign_plan.h"

#include <cmath>
#include <cstdio>

#include "base/bet_line.h"
#include "betclient/centre/generator.h"
#include "betclient/centre/rng.h"
#include "betclient/centre/sale_codes.h"
#include "betclient/centre/voting.h"
#include "betdata/bet_list_render.h"
#include "frontends/cli/ledger_lines.h"
#include "platform/clock.h"

namespace campaign {

namespace {

// Sessions: a day of the years the generator plays, started between 9:00
// and 16:30 (some runs then reach the close of sales, or 17:00).
constexpr int kFirstYear = 2024;
constexpr int kYears = 3;
constexpr int kFirstHour = 9;
constexpr int kStartMinutes = 7 * 60 + 30;
constexpr int kMinRuns = 2;
constexpr int kMaxRuns = 5;

// Most lists are short, some long, a few a full table (a list of 100 or
// more one run in fifteen, one of 250 or more one in a hundred): the
// logarithm of the size is the cube of an even draw over that of 1..300.
int listSize(centre::Rng& rng) {
    const double u = rng.unit();
    const double size = std::exp(u * u * u * std::log(static_cast<double>(kMaxListBets) + 1.0));
    return std::max(1, std::min(kMaxListBets, static_cast<int>(size)));
}

template <class T, std::size_t N>
const T& pick(centre::Rng& rng, const T (&items)[N]) {
    return items[static_cast<std::size_t>(rng.range(0, static_cast<int>(N) - 1))];
}

// Standing faults a run may meet, and the one-shot faults that break it at
// a point.
std::vector<std::string> standingFaults(centre::Rng& rng, int& windowOpenWaitS) {
    switch (rng.range(0, 9)) {
    case 0:
    case 1: return {"same-bracket"};
    case 2: {
        const int ms = rng.range(300, 4000);
        windowOpenWaitS = rng.range(2, 5);
        return {"slow-open=" + std::to_string(ms)};
    }
    case 3: return {"minimized=vote,menu"};
    case 4: return rng.chance(0.2) ? std::vector<std::string>{"disabled=vote"} : std::vector<std::string>{};
    default: return {};
    }
}

const char* const kOneShotFaults[] = {"transfer-error", "transfer-hang",   "validation=pair", "validation=single",
                                      "validation=numbers", "validation=amount", "total-mismatch", "error-10001",
                                      "error-11028",    "login-refused"};

const int kActionWaits[] = {100, 200, 300, 500};

// Bets on any race, open or not, for the centre to refuse some.
constexpr double kAnyRaceShare = 0.02;
// Lists are made for races still open this long after the session starts.
constexpr int kOpenMarginMinutes = 30;

RunPlan planRun(centre::Rng& rng, const centre::Day& day, int openAfter, bool mayRetry) {
    RunPlan run;
    run.retryLeftover = mayRetry && rng.chance(0.5);
    const int size = listSize(rng);
    if (!run.retryLeftover) run.list = RandomList(day, rng.next(), size, openAfter);
    run.betDivideUnit = rng.range(10, 50);
    run.forceMode = rng.chance(0.5) ? 1 : 0;
    run.forceTouhyo = rng.chance(0.25) ? 1 : 0;
    run.actionWaitMs = pick(rng, kActionWaits);
    run.windowOpenWaitS = 2;
    if (rng.chance(0.3)) run.faults = standingFaults(rng, run.windowOpenWaitS);
    if (rng.chance(0.35)) run.oneShot = TimedFault{pick(rng, kOneShotFaults), rng.range(0, size)};
    if (rng.chance(0.2)) run.stopAfterLines = rng.range(1, size);
    return run;
}

// A bet of the race the terms sell: numbers on sale for the kind.
bool randomBet(centre::Rng& rng, const centre::Race& race, centre::Kind kind, base::BetLine& bet) {
    std::vector<int> horses;
    for (int h = 1; h <= centre::kMaxHorses; ++h)
        if (race.horseOnSale(h)) horses.push_back(h);
    std::vector<int> brackets;
    for (int b = 1; b <= centre::kBrackets; ++b)
        if (race.bracketCodes[static_cast<std::size_t>(b - 1)] >= centre::kBracketSaleMinimum) brackets.push_back(b);
    auto any = [&](const std::vector<int>& v) { return v[static_cast<std::size_t>(rng.range(0, static_cast<int>(v.size()) - 1))]; };
    switch (kind) {
    case centre::Kind::Win:
    case centre::Kind::Place:
        if (horses.empty()) return false;
        bet.first = static_cast<std::uint8_t>(any(horses));
        return true;
    case centre::Kind::Quinella: {
        if (horses.size() < 2) return false;
        const int a = any(horses);
        int b = a;
        while (b == a) b = any(horses);
        bet.first = static_cast<std::uint8_t>(std::min(a, b));
        bet.second = static_cast<std::uint8_t>(std::max(a, b));
        return true;
    }
    case centre::Kind::Bracket: {
        if (brackets.empty()) return false;
        const int a = any(brackets);
        const bool same = race.sameBracketCodes[static_cast<std::size_t>(a - 1)] == centre::kSameBracketOnSale &&
                          rng.chance(0.2);
        int b = a;
        if (!same) {
            if (brackets.size() < 2) return false;
            while (b == a) b = any(brackets);
        }
        bet.first = static_cast<std::uint8_t>(std::min(a, b));
        bet.second = static_cast<std::uint8_t>(std::max(a, b));
        return true;
    }
    }
    return false;
}

}  // namespace

std::uint64_t SessionSeed(std::uint64_t campaignSeed, int index) {
    centre::Rng rng(campaignSeed ^ (0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(index + 1)));
    return rng.next();
}

std::string RandomList(const centre::Day& day, std::uint64_t seed, int count, int openAfter) {
    centre::Rng rng(seed);
    std::string text;
    int written = 0;
    for (int attempt = 0; written < count && attempt < count * 40 && !day.meetings.empty(); ++attempt) {
        const centre::Meeting& meeting =
            day.meetings[static_cast<std::size_t>(rng.range(0, static_cast<int>(day.meetings.size()) - 1))];
        const int raceNumber = rng.range(1, centre::kRacesPerMeeting);
        const centre::Race& race = meeting.races[static_cast<std::size_t>(raceNumber - 1)];
        const centre::Kind kind = centre::kAllKinds[static_cast<std::size_t>(rng.range(0, centre::kKindCount - 1))];
        if (!race.sells(kind)) continue;
        // Past the first half of the attempts any race will do (a late
        // session may have few races left).
        const bool anyRace = rng.chance(kAnyRaceShare) || attempt >= count * 20;
        if (!anyRace && centre::salesClosed(race, openAfter)) continue;
        base::BetLine bet;
        bet.venue = static_cast<std::uint8_t>(meeting.venue);
        bet.race = static_cast<std::uint8_t>(raceNumber);
        bet.kind = cli::KindLetter(kind);
        bet.amount = static_cast<std::int16_t>(rng.chance(0.9) ? rng.range(1, 5) : rng.range(6, 20));
        if (!randomBet(rng, race, kind, bet)) continue;
        char line[betdata::kCanonicalLineBytes];
        if (betdata::FormatBetLine(line, sizeof line, ++written, bet) > 0) text += line;
    }
    return text;
}

SessionPlan PlanSession(std::uint64_t seed) {
    centre::Rng rng(seed);
    SessionPlan plan;
    plan.seed = seed;
    plan.year = kFirstYear + rng.range(0, kYears - 1);
    plan.month = rng.range(1, 12);
    plan.day = rng.range(1, 28);
    const int minutes = rng.range(0, kStartMinutes);
    plat::LocalTime start;
    start.year = plan.year;
    start.month = plan.month;
    start.day = plan.day;
    start.hour = kFirstHour + minutes / 60;
    start.minute = minutes % 60;
    plan.startTime = plat::fromLocalTime(start);
    if (rng.chance(0.3)) {
        char scale[32];
        std::snprintf(scale, sizeof scale, "scale=%.2fx%.2f", 0.8 + rng.unit() * 0.7, 0.8 + rng.unit() * 0.7);
        plan.scale = scale;
    }
    const centre::Day day = centre::generateDay(plan.year, plan.month, plan.day, seed);
    const int openAfter = centre::toHhmm(kFirstHour * 60 + minutes + kOpenMarginMinutes);
    const int runs = rng.range(kMinRuns, kMaxRuns);
    for (int r = 0; r < runs; ++r) plan.runs.push_back(planRun(rng, day, openAfter, r > 0));
    return plan;
}

}  // namespace campaign

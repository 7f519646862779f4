// The plan of one seeded session of the campaign: a racing day, a start
// time, the client's scale, and several runs on the one running client,
// each with its bet list, settings, faults and STOP.  The same seed gives
// the same plan, so a failing session replays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "betclient/centre/day.h"

namespace campaign {

// A fault written into the client's fault file once the run has read this
// many lines of the list (0: before it starts).
struct TimedFault {
    std::string line;
    int afterLines = 0;
};

struct RunPlan {
    // Place the lines the run before left, as they stand; otherwise `list`.
    bool retryLeftover = false;
    std::string list;  // canonical bet-list lines, CR LF
    int betDivideUnit = 50;
    int forceMode = 0;
    int forceTouhyo = 0;
    int actionWaitMs = 500;
    int windowOpenWaitS = 2;
    std::vector<std::string> faults;  // standing faults for the run
    std::optional<TimedFault> oneShot;
    int stopAfterLines = 0;           // 0: no STOP
};

struct SessionPlan {
    std::uint64_t seed = 0;
    int year = 0, month = 0, day = 0;
    std::int64_t startTime = 0;  // seconds since 1970
    std::string scale;           // a "scale=..." fault line, or empty
    std::vector<RunPlan> runs;
};

// Largest list a run is given (a full bet table).
constexpr int kMaxListBets = 300;

SessionPlan PlanSession(std::uint64_t seed);

// The seed of session `index` of a campaign seeded with campaignSeed.
std::uint64_t SessionSeed(std::uint64_t campaignSeed, int index);

// `count` bets the day's terms sell, of every kind the races sell, as
// canonical bet-list lines.  Most are on races whose sales are still open
// at openAfter (hour * 100 + minute); some on any race, so that the centre
// refuses a few.
std::string RandomList(const centre::Day& day, std::uint64_t seed, int count, int openAfter = 0);

}  // namespace campaign

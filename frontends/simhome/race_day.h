// A whole race day in virtual time: the program started in a simulated home
// in AUTO mode at 08:50 with the payout fetch and report at 16:50 and the
// auto exit at 17:00, a simulated prediction program writing bet files and
// timer-bet files, and the day run until the program has closed itself.
// What happened is gathered as events and figures, and every bet written is
// checked against the betting centre's ledger.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frontends/simhome/prediction_program.h"
#include "frontends/simhome/sim_home.h"

namespace simhome {

// The day's settings for the run (the home's profile keeps its own values).
constexpr int kRaceDayStartHhmm = 850;
constexpr int kRaceDayPayoutFetchTime = 31650;  // 16:50, fetched automatically, with the report
constexpr int kRaceDayAutoExitTime = 1700;      // 17:00, without powering off
// The day is given up when the program has not closed itself by then.
constexpr std::int64_t kRaceDayLimitMs = 10 * 3'600'000;

struct RaceDayEvent {
    std::int64_t timeMs = 0;  // virtual time since the start
    std::string text;         // Shift-JIS
};

struct RaceDayResult {
    std::vector<PlannedBetFile> files;
    std::vector<RaceDayEvent> events;  // in time order
    int betFiles = 0, betFilesPicked = 0;
    int timerFiles = 0, timerFilesPicked = 0;
    int runs = 0, runsFinished = 0, runsFailed = 0;
    int betsWritten = 0, betsPlaced = 0;
    int alarms = 0;
    std::string reportPath;    // the payout report (host path); empty when none was written
    std::int64_t virtualMs = 0;
    bool closedItself = false;  // the program ended on its own, at the auto exit
    // The first bet written that was not placed exactly once (nor left in
    // the list after a failed run), or placed without being written.
    std::optional<std::string> broken;
};

// Runs the day in home, whose start time is 08:50 of the day.  False when
// the centre's day could not be read (error says why).
bool RunRaceDay(SimHome& home, const PredictionOptions& predictions, RaceDayResult& result, std::string& error);

}  // namespace simhome

// A simulated race-prediction program for whole-day runs: from the centre's
// day and a seed it plans bet files of bets on sale ("YYMMDDNN.BET", written
// at seeded times before the races they bet on) and timer-bet files
// ("T%X%02d%02d%02d.BET" for a later minute, with bets on races after that
// minute), and writes each into the bet-file directory at its time, as a
// program on the desktop.  It also keeps the day's start times in its
// race-card directory ("YYMMDD全.den"), where the program looks them up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "betclient/centre/day.h"
#include "betclient/centre/voting.h"
#include "platform/sim/desktop.h"

namespace simhome {

constexpr const char* kPredictionProgram = "Predictor";

struct PlannedBetFile {
    std::int64_t writeAt = 0;  // seconds since 1970
    std::string name;          // in the bet-file directory
    bool timerBet = false;
    std::int64_t dueAt = 0;    // timer-bet files: the minute the name carries
    std::vector<centre::Bet> bets;
    std::string text;          // Shift-JIS, CR LF line ends, as written
};

struct PredictionOptions {
    std::uint64_t seed = 1;
    int betFiles = 8;
    int timerFiles = 2;
    // Files are written from this time of the day on (seconds since 1970);
    // a timer-bet file due soon after is there from the start.
    std::int64_t dayStart = 0;
};

// A bet as the files and the reports write it: "東京 11R 馬連 03-05 1000"
// (Shift-JIS; the amount in yen).
std::string BetName(const centre::Bet& bet);

// The day's files in the order they are written.  Every bet is on sale when
// its file is written and stays so for at least kSaleMarginMinutes after the
// moment it is meant to be placed; a file holds at most kFileYenLimit yen,
// so no amount limit of the default settings is touched.
std::vector<PlannedBetFile> PlanPredictions(const centre::Day& day, const PredictionOptions& options);

constexpr int kSaleMarginMinutes = 40;
constexpr int kFileYenLimit = 3000;

// The day's start-time file: its name and its text (one line per race:
// venue code, 回, 日目, race, card date and start time in fixed columns).
std::string StartTimeFileName(const centre::Day& day);
std::string StartTimeFileText(const centre::Day& day);

// Starts the program: it writes the day's start-time file into raceCardDir,
// then each file into betDir when its time comes, and ends.  Directories
// end in a separator.
void StartPredictionProgram(sim::Desktop& desktop, const centre::Day& day, const std::string& raceCardDir,
                            const std::string& betDir, std::vector<PlannedBetFile> files);

}  // namespace simhome

// `ornel sim day`: a whole race day in virtual time in a simulated home —
// the program in AUTO mode from 08:50, a simulated prediction program
// writing bet files and timer-bet files, the payout fetch and report at
// 16:50 and the auto exit at 17:00 — with the day's events, a summary, and
// the check that every bet written was placed exactly once.
#include <time.h>

#include <cstdio>
#include <string>

#include "betclient/centre/generator.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/local_time_arg.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/race_day.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "sim day";
// Bet files are numbered 01 to 99 within a day.
constexpr std::uint64_t kMostBetFiles = 99;
constexpr std::uint64_t kMostTimerFiles = 99;

// Wall-clock milliseconds, for the time the day took to run.
long long wallClockMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

struct DayOptions {
    simhome::SimHomeOptions home;
    simhome::PredictionOptions predictions;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, DayOptions& o, std::string& error) {
    SimHomeOptionReader home(o.home);
    home.refuseNow();  // the day starts at 08:50 of --date
    std::string date;
    const auto own = [&](OptionReader& options, std::string& e) {
        const std::string& a = options.current();
        std::uint64_t count = 0;
        if (a == "--date") {
            if (!options.value(date, e)) return HomeOption::Invalid;
        } else if (a == "--files") {
            if (!options.wholeNumberValue(0, kMostBetFiles, count, e)) return HomeOption::Invalid;
            o.predictions.betFiles = static_cast<int>(count);
        } else if (a == "--timer-files") {
            if (!options.wholeNumberValue(0, kMostTimerFiles, count, e)) return HomeOption::Invalid;
            o.predictions.timerFiles = static_cast<int>(count);
        } else {
            return HomeOption::NotHome;
        }
        return HomeOption::Taken;
    };
    if (!ReadSimOperationOptions(args, home, o.encoding, error, own)) return false;
    plat::LocalTime start;
    if (date.empty()) {
        error = missingOption("--date YYYY-MM-DD");
        return false;
    }
    if (!parseDateArg(date, start.year, start.month, start.day)) {
        error = "--date takes YYYY-MM-DD, a day of the calendar, not \"" + date + "\"";
        return false;
    }
    start.hour = simhome::kRaceDayStartHhmm / 100;
    start.minute = simhome::kRaceDayStartHhmm % 100;
    o.home.startTime = plat::fromLocalTime(start);
    o.predictions.dayStart = o.home.startTime;
    o.predictions.seed = o.home.seed.value_or(centre::kDefaultSeed);
    return true;
}

void printEvents(const simhome::RaceDayResult& day, std::int64_t startTime, bool utf8) {
    for (const simhome::RaceDayEvent& e : day.events) {
        const std::string time = plat::formatTime(startTime + e.timeMs / 1000, "%H:%M:%S");
        writeOut(outputText(time + " " + escapeLineBreaks(e.text) + "\n", utf8));
    }
}

void printSummary(const simhome::RaceDayResult& day, long long wallMs, bool utf8) {
    std::printf("files %d picked %d\n", day.betFiles, day.betFilesPicked);
    std::printf("timer-files %d picked %d\n", day.timerFiles, day.timerFilesPicked);
    std::printf("runs %d finished %d failed %d\n", day.runs, day.runsFinished, day.runsFailed);
    std::printf("bets written %d placed %d\n", day.betsWritten, day.betsPlaced);
    std::printf("alarms %d\n", day.alarms);
    std::fflush(stdout);
    writeOut(outputText("report " + day.reportPath + "\n", utf8));
    std::printf("virtual-ms %lld\nwall-ms %lld\n", static_cast<long long>(day.virtualMs), wallMs);
    std::fflush(stdout);
}

int runSimDay(const Args& args) {
    DayOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    const long long wallStart = wallClockMs();

    simhome::SimHome home;
    if (!home.open(o.home, error)) return commandError(kName, error);
    simhome::RaceDayResult day;
    if (!simhome::RunRaceDay(home, o.predictions, day, error)) return commandError(kName, error);

    const long long wallMs = wallClockMs() - wallStart;
    const bool utf8 = o.encoding.utf8Output();
    printEvents(day, o.home.startTime, utf8);
    printSummary(day, wallMs, utf8);
    if (!day.closedItself) return operationFailed(kName, "the program did not close itself at the auto exit");
    if (day.broken) return operationFailed(kName, outputText(*day.broken, utf8));
    return kExitOk;
}

}  // namespace

extern const Command kSimDayCommand = {
    "day",
    "--home DIR --date YYYY-MM-DD [--seed S] [--files N] [--timer-files N] [--scale X] [--fault NAME]... "
    "[--utf8|--sjis]",
    "Runs a whole race day in virtual time in the simulated home DIR: Ornel starts\n"
    "at 08:50 in AUTO mode (start-up caution skipped, payouts fetched and reported\n"
    "at 16:50, auto exit at 17:00; the home's profile keeps its own values), and a\n"
    "simulated prediction program writes bet files of bets on sale into the\n"
    "bet-file directory before the races, and timer-bet files for later minutes.\n"
    "The day runs until Ornel has closed itself.  Prints the day's events, one a\n"
    "line with its time, then \"files N picked N\", \"timer-files N picked N\",\n"
    "\"runs N finished N failed N\", \"bets written N placed N\" (placed: the\n"
    "centre's ledger), \"alarms N\", \"report PATH\" (the payout report),\n"
    "\"virtual-ms N\" and \"wall-ms N\".  Exit status 0 when the day ran to the\n"
    "auto exit and every bet written was placed exactly once, or is still in the\n"
    "list after a failed run that the events show; 1 otherwise, naming the first\n"
    "bet that breaks it.\n"
    "\n"
    "  --date YYYY-MM-DD   the race day (required)\n"
    "  --files N           bet files the prediction program writes (0 to 99; default 8)\n"
    "  --timer-files N     timer-bet files it writes (0 to 99; default 2)\n"
    "  --seed S            the seed of the generated day and of the files\n"
    "The other home options (--home, --scale, --fault) and --utf8, --sjis: see\n"
    "ornel sim --help.\n",
    runSimDay,
};

}  // namespace cli

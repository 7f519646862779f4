// `ornel sim racecards`: 出馬表の取得 chosen in the program against the
// replacement client in a simulated home — the client's information screen
// fetches the day's race cards, then the program reads them — and the start
// times the program then holds.
#include <cstdio>
#include <optional>
#include <string>

#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/run_limit.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/cli/start_time_lines.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/sim_home.h"
#include "ui/main_commands.h"

namespace cli {

namespace {

constexpr const char* kName = "sim racecards";
// Longest virtual time the program may take, start-up and fetch included.
constexpr std::int64_t kRunLimitMs = 3'600'000;

struct RaceCardsOptions {
    simhome::SimHomeOptions home;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, RaceCardsOptions& o, std::string& error) {
    SimHomeOptionReader home(o.home);
    return ReadSimOperationOptions(args, home, o.encoding, error);
}

int runSimRaceCards(const Args& args) {
    RaceCardsOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);

    simhome::SimHome home;
    if (!home.open(o.home, error)) return commandError(kName, error);
    // What 出馬表の取得 came to (0 done, 1 a fetch was already running, -1
    // failed); none when the command did not run.
    std::optional<int> fetched;
    app::ProgramOptions options;
    options.clientOperated = [&fetched](int command, int result) {
        if (command == ui::kIdFetchRaceCards) fetched = result;
    };
    simhome::ProgramRun run(home.desk(), options);
    bool ended = run.start(kRunLimitMs);
    const std::int64_t chosenAt = home.desktop().virtualMs();
    ended = ended && run.chooseFromSystemMenu(ui::kIdFetchRaceCards);
    const std::int64_t virtualMs = home.desktop().virtualMs() - chosenAt;
    const int result = fetched.value_or(-1);
    const std::string startTimes = startTimeLines(run.program().terms);
    ended = ended && run.close() && run.ended();
    if (!ended) return operationFailed(kName, didNotEnd("the run", kRunLimitMs, run.program().settings));

    const bool utf8 = o.encoding.utf8Output();
    std::printf("result %d\n", result);
    std::fflush(stdout);
    printBoxes(stdout, ornelBoxes(home.user()), utf8);
    std::printf("virtual-ms %lld\n%s", static_cast<long long>(virtualMs), startTimes.c_str());
    return result < 0 ? kExitFailed : kExitOk;
}

}  // namespace

extern const Command kSimRaceCardsCommand = {
    "racecards",
    "--home DIR [--now \"YYYY-MM-DD HH:MM\"] [--seed S] [--scale X] [--fault NAME]... [--utf8|--sjis]",
    "Chooses 出馬表の取得 in Ornel against the replacement client in the simulated\n"
    "home DIR: the client's information screen fetches the day's race cards, then\n"
    "Ornel reads them into the start times.  Prints \"result 0\" (fetched) or\n"
    "\"result -1\" (failed), the boxes Ornel showed, \"virtual-ms N\" (from the\n"
    "command until Ornel waited again), then race-card-date MMDD and one line\n"
    "slot S race R start HHMM per race 1..12 of every meeting (0: not known), as\n"
    "ornel racecard prints them.  Exit status 1 when the fetch failed.\n"
    "\n"
    "The home options (--home, --now, --seed, --scale, --fault) and --utf8, --sjis:\n"
    "see ornel sim --help.\n",
    runSimRaceCards,
};

}  // namespace cli

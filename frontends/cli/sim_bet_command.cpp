// `ornel sim bet`: places a bet file into the replacement client in a
// simulated home as the 投票 command does, and reports the run, the list
// afterwards and what the betting centre accepted.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "base/profile_store.h"
#include "betclient/centre/centre.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/ledger_lines.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/run_limit.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/cli/list_fit.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/sim_home.h"
#include "platform/clock.h"

namespace cli {

namespace {

constexpr const char* kName = "sim bet";
// Longest virtual time a run may take, set-up and FinishRun included.
constexpr std::int64_t kRunLimitMs = 6 * 3'600'000;

struct BetOptions {
    simhome::SimHomeOptions home;
    int stopAfterLines = 0;
    TerminalEncoding encoding;
    std::string file;
};

constexpr std::uint64_t kMostLinesBeforeStop = 999;

bool parseOptions(const Args& args, BetOptions& o, std::string& error) {
    SimHomeOptionReader home(o.home);
    bool hasFile = false;
    const auto own = [&](OptionReader& options, std::string& e) {
        if (options.current() == "--stop-after-lines") {
            std::uint64_t lines = 0;
            if (!options.wholeNumberValue(1, kMostLinesBeforeStop, lines, e)) return HomeOption::Invalid;
            o.stopAfterLines = static_cast<int>(lines);
            return HomeOption::Taken;
        }
        if (options.currentIsOption() || hasFile) return HomeOption::NotHome;
        o.file = options.current();
        hasFile = true;
        return HomeOption::Taken;
    };
    if (!ReadSimOperationOptions(args, home, o.encoding, error, own)) return false;
    if (!hasFile) error = "missing FILE (- for standard input)";
    return hasFile;
}

int runSimBet(const Args& args) {
    BetOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);
    std::string betText;
    if (!readInput(o.file, betText, error)) return commandError(kName, error);
    betText = betTextFromInput(betText, o.encoding.utf8Input());

    simhome::SimHome home;
    if (!home.open(o.home, error)) return commandError(kName, error);
    // The bet text into the list and Enter on its first line, then 投票 and
    // the run followed until the main window has completed it.
    simhome::ProgramRun::BetOutcome outcome;
    simhome::ProgramRun run(home.desk());
    const bool ended = run.start(kRunLimitMs) && reportDroppedInput(kName, betText, run) &&
                       run.enterIntoList(betText) && run.placeBets(outcome, o.stopAfterLines, kRunLimitMs) &&
                       run.close() && run.ended();
    if (!ended) return operationFailed(kName, didNotEnd("the run", kRunLimitMs, run.program().settings));

    const bool utf8 = o.encoding.utf8Output();
    std::printf("result %d\n", outcome.result);
    std::fflush(stdout);
    printBoxes(stdout, ornelBoxes(home.user()), utf8);
    std::printf("virtual-ms %lld\nlist\n", static_cast<long long>(outcome.virtualMs));
    std::fflush(stdout);
    writeOut(outputText(outcome.listAfter, utf8));
    std::printf("ledger\n");
    std::fflush(stdout);
    writeOut(outputText(DayLedgerAsBetList(home, o.home.startTime), utf8));
    return outcome.result == base::kRunFailed ? kExitFailed : kExitOk;
}

}  // namespace

extern const Command kSimBetCommand = {
    "bet",
    "--home DIR [--now \"YYYY-MM-DD HH:MM\"] [--seed S] [--scale X] [--fault NAME]... [--ideal] "
    "[--stop-after-lines N] [--utf8|--sjis] FILE",
    "Places the bets of FILE into the replacement client in the simulated home DIR\n"
    "with the 投票 command, and prints \"result 1\" (all placed), \"result -1\"\n"
    "(stopped or failed) or \"result 0\" (no run), the boxes Ornel showed,\n"
    "\"virtual-ms N\", \"list\" and the bet list afterwards, \"ledger\" and every bet\n"
    "the centre accepted that day.  Exit status 1 when the run failed.\n"
    "\n"
    "  FILE                   the bet text (- for standard input); Shift-JIS\n"
    "  --utf8                 the bet text is UTF-8, and so is the output\n"
    "  --stop-after-lines N   press STOP once the run has read N lines (1 to 999)\n"
    "The home options (--home, --now, --seed, --scale, --fault, --ideal) and\n"
    "--sjis: see ornel sim --help.\n",
    runSimBet,
};

}  // namespace cli

// `ornel sim bet`: places a bet file into the replacement client in a
// simulated home as the 投票 command does, and reports the run, the list
// afterwards and what the betting centre accepted.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/profile_store.h"
#include "betclient/centre/centre.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/ledger_lines.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/simhome/program_run.h"
#include "frontends/simhome/sim_home.h"
#include "platform/clock.h"
#include "platform/sjis.h"

namespace cli {

namespace {

constexpr const char* kName = "sim bet";
// Longest virtual time a run may take, set-up and FinishRun included.
constexpr std::int64_t kRunLimitMs = 6 * 3'600'000;

struct BetOptions {
    simhome::SimHomeOptions home;
    int stopAfterLines = 0;
    bool utf8 = false;
    std::string file;
};

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

bool parseOptions(const Args& args, BetOptions& o, std::string& error) {
    OptionReader options(args);
    SimHomeOptionReader home(o.home);
    bool hasFile = false;
    while (options.next()) {
        const HomeOption taken = home.take(options, error);
        if (taken == HomeOption::Invalid) return false;
        if (taken == HomeOption::Taken) continue;
        const std::string a = options.current();
        if (a == "--utf8") {
            o.utf8 = true;
        } else if (a == "--stop-after-lines") {
            std::string v;
            if (!options.value(v, error)) return false;
            if (v.empty() || v.size() > 3 || v.find_first_not_of("0123456789") != std::string::npos ||
                std::stoi(v) < 1) {
                error = "--stop-after-lines takes a number from 1 to 999";
                return false;
            }
            o.stopAfterLines = std::stoi(v);
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else if (hasFile) {
            error = "more than one bet file";
            return false;
        } else {
            o.file = a;
            hasFile = true;
        }
    }
    if (!hasFile) {
        error = "name the bet file (- for standard input)";
        return false;
    }
    return home.complete(error);
}

std::string ledgerText(const simhome::SimHome& home, std::int64_t startTime) {
    const std::string clientDir = std::filesystem::path(home.clientExePath()).parent_path().string() + "/";
    const plat::LocalTime date = plat::localTime(startTime);
    std::string dayError;
    const centre::Centre centre = centre::Centre::open(clientDir, date.year, date.month, date.day, dayError);
    return LedgerAsBetList(centre.ledger());
}

}  // namespace

int runSimBet(const Args& args) {
    BetOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return fail(error);
    std::string betText;
    if (!readInput(o.file, betText, error)) return fail(error);
    if (o.utf8) betText = sjis::fromUtf8(betText);
    betText = withCrLf(betText);

    simhome::SimHome home;
    if (!home.open(o.home, error)) return fail(error);
    // The bet text into the list and Enter on its first line, then 投票 and
    // the run followed until the main window has completed it.
    simhome::ProgramRun::BetOutcome outcome;
    simhome::ProgramRun run(home.desk());
    if (!run.start(kRunLimitMs) || !run.enterIntoList(betText) ||
        !run.placeBets(outcome, o.stopAfterLines, kRunLimitMs) || !run.close() || !run.ended())
        return fail("the run did not end");

    std::printf("result %d\n", outcome.result);
    std::fflush(stdout);
    printBoxes(stdout, home.user(), o.utf8);
    std::printf("virtual-ms %lld\nlist\n", static_cast<long long>(outcome.virtualMs));
    std::fflush(stdout);
    writeOut(outputText(outcome.listAfter, o.utf8));
    std::printf("ledger\n");
    std::fflush(stdout);
    writeOut(outputText(ledgerText(home, o.home.startTime), o.utf8));
    return 0;
}

}  // namespace cli

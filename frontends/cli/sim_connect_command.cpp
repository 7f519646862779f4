// `ornel sim connect`: brings the replacement client in a simulated home to
// its vote form with ConnectClient, as BetRunner and the client command do,
// and reports what happened.
#include <atomic>
#include <cstdio>
#include <optional>
#include <string>

#include "base/load_settings.h"
#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "base/next_bet_file.h"
#include "base/voting_terms.h"
#include "driver/connect_client.h"
#include "driver/driver_settings.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/run_limit.h"
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/cli/terminal_encoding.h"
#include "frontends/simhome/sim_home.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kName = "sim connect";
constexpr const char* kMainWindowClass = "OrnelSimMain";
constexpr int kLowestMode = driver::kConnectTermsOnly;
constexpr int kHighestMode = driver::kConnectForBetting;
constexpr const char* kFormsSeparator = " | ";

struct ConnectOptions {
    simhome::SimHomeOptions home;
    int mode = driver::kConnectForBetting;
    TerminalEncoding encoding;
};

bool parseOptions(const Args& args, ConnectOptions& o, std::string& error) {
    SimHomeOptionReader home(o.home);
    return ReadSimOperationOptions(args, home, o.encoding, error, [&o](OptionReader& options, std::string& e) {
        if (options.current() != "--mode") return HomeOption::NotHome;
        std::uint64_t mode = 0;
        if (!options.wholeNumberValue(kLowestMode, kHighestMode, mode, e)) return HomeOption::Invalid;
        o.mode = static_cast<int>(mode);
        return HomeOption::Taken;
    });
}

// Longest virtual time a connection may take.
constexpr std::int64_t kConnectLimitMs = 3'600'000;

struct ConnectResult {
    int result = -1;
    std::int64_t virtualMs = 0;
    int termsChecked = 0;
    std::optional<base::Settings> settings;  // as the connection read them
};

// Ornel's window thread: its settings, a main window to come forward for
// the driver's messages, the driver, and the connection.
void connectOnDesktop(const ConnectOptions& o, ConnectResult& out) {
    const std::int64_t clock = plat::now();
    base::Settings settings;
    base::FileProfileStore profile(base::ProgramProfilePath());
    base::LoadSettings(profile, settings, clock);
    out.settings = settings;

    plat::registerClass(kMainWindowClass, plat::defWindowProc);
    plat::CreateParams window;
    window.className = kMainWindowClass;
    window.caption = base::kProgramCaption;
    window.style = plat::WS_OVERLAPPED | plat::WS_CAPTION | plat::WS_VISIBLE;
    window.rect = {0, 0, 400, 460};
    const plat::Hwnd main = plat::createWindow(window);
    base::MessageBoxNotifier notifier;
    notifier.setOwner(main);

    driver::DriverState state;
    driver::LoadDriverSettings(settings, state);
    driver::SetDriverFlags(state, settings.accInp, settings.autoPat, settings.skipAnn, settings.forceMode);
    base::VotingTerms terms;
    base::CurrentBetFile betFile;
    const std::atomic<std::int64_t> programClock{clock};
    driver::PatDriver pat{state, terms, betFile, settings, notifier, programClock};
    pat.mainWindow = main;

    const std::uint32_t start = plat::tickCount();
    out.result = driver::ConnectClient(pat, o.mode);
    out.virtualMs = plat::tickCount() - start;
    out.termsChecked = terms.termsChecked;
    plat::destroyWindow(main);
}

void printForms(const std::vector<std::string>& captions, bool utf8) {
    std::string line = "forms";
    for (std::size_t i = 0; i < captions.size(); ++i)
        line += (i == 0 ? " " : kFormsSeparator) + outputText(captions[i], utf8);
    std::printf("%s\n", line.c_str());
}

int runSimConnect(const Args& args) {
    ConnectOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return usageError(kName, error);

    simhome::SimHome home;
    if (!home.open(o.home, error)) return commandError(kName, error);
    ConnectResult result;
    if (!home.runOrnel([&] { connectOnDesktop(o, result); }, kConnectLimitMs))
        return operationFailed(kName, didNotEnd("the connection", kConnectLimitMs, result.settings));

    const bool utf8 = o.encoding.utf8Output();
    std::printf("result %d\n", result.result);
    std::fflush(stdout);
    printBoxes(stdout, ornelBoxes(home.user()), utf8);
    std::printf("virtual-ms %lld\n", static_cast<long long>(result.virtualMs));
    printForms(home.clientForms(), utf8);
    std::printf("terms-checked %d\n", result.termsChecked);
    return result.result < 0 ? kExitFailed : kExitOk;
}

}  // namespace

extern const Command kSimConnectCommand = {
    "connect",
    "--home DIR [--now \"YYYY-MM-DD HH:MM\"] [--mode N] [--seed S] [--scale X] [--fault NAME]... [--ideal] "
    "[--utf8|--sjis]",
    "Runs the client connection (start, login, terms fetch, venue choice) against\n"
    "the replacement client in the simulated home DIR and prints \"result 0\" or\n"
    "\"result -1\", the boxes Ornel showed, \"virtual-ms N\", \"forms\" with the\n"
    "captions of the client's visible forms, and \"terms-checked 0\" or \"1\".\n"
    "Exit status 1 when the connection failed.\n"
    "\n"
    "  --mode N   0 terms only, 1 open the vote form from the menu, 2 use the vote\n"
    "             form, 3 both (default)\n"
    "The home options (--home, --now, --seed, --scale, --fault, --ideal) and\n"
    "--utf8, --sjis: see ornel sim --help.\n",
    runSimConnect,
};

}  // namespace cli

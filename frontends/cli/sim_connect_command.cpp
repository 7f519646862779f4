// `ornel sim connect`: brings the replacement client in a simulated home to
// its vote form with ConnectClient, as BetRunner and the client command do,
// and reports what happened.
#include <atomic>
#include <cstdio>
#include <cstdlib>
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
#include "frontends/cli/sim_command.h"
#include "frontends/cli/sim_home_options.h"
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
    bool utf8 = false;
};

int fail(const std::string& reason) {
    std::fprintf(stderr, "ornel %s: %s\n", kName, reason.c_str());
    return 2;
}

bool wholeNumber(const std::string& text, unsigned long long& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

bool parseOptions(const Args& args, ConnectOptions& o, std::string& error) {
    OptionReader options(args);
    SimHomeOptionReader home(o.home);
    std::string v;
    while (options.next()) {
        const HomeOption taken = home.take(options, error);
        if (taken == HomeOption::Invalid) return false;
        if (taken == HomeOption::Taken) continue;
        const std::string a = options.current();
        unsigned long long number = 0;
        if (a == "--utf8") {
            o.utf8 = true;
        } else if (a == "--mode") {
            if (!options.value(v, error)) return false;
            if (!wholeNumber(v, number) || number < kLowestMode || number > kHighestMode) {
                error = "--mode takes 0, 1, 2 or 3";
                return false;
            }
            o.mode = static_cast<int>(number);
        } else {
            error = "unknown argument " + a;
            return false;
        }
    }
    return home.complete(error);
}

struct ConnectResult {
    int result = -1;
    std::int64_t virtualMs = 0;
    int termsChecked = 0;
};

// Ornel's window thread: its settings, a main window to come forward for
// the driver's messages, the driver, and the connection.
void connectOnDesktop(const ConnectOptions& o, ConnectResult& out) {
    const std::int64_t clock = plat::now();
    base::Settings settings;
    base::FileProfileStore profile(base::ProgramProfilePath());
    base::LoadSettings(profile, settings, clock);

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

}  // namespace

int runSimConnect(const Args& args) {
    ConnectOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return fail(error);

    simhome::SimHome home;
    if (!home.open(o.home, error)) return fail(error);
    ConnectResult result;
    if (!home.runOrnel([&] { connectOnDesktop(o, result); })) return fail("the connection did not end");

    std::printf("result %d\n", result.result);
    std::fflush(stdout);
    printBoxes(stdout, home.user(), o.utf8);
    std::printf("virtual-ms %lld\n", static_cast<long long>(result.virtualMs));
    printForms(home.clientForms(), o.utf8);
    std::printf("terms-checked %d\n", result.termsChecked);
    return 0;
}

}  // namespace cli

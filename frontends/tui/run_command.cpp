// `ornel run` (and `ornel` alone): the whole program on the simulated
// desktop in real time, shown in the terminal, with the replacement client
// installed in a demo home.
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>

#include "frontends/cli/commands.h"
#include "frontends/cli/option_reader.h"
#include "frontends/cli/sim_home_options.h"
#include "frontends/simhome/client_install.h"
#include "frontends/simhome/sim_home.h"
#include "frontends/tui/front_end.h"
#include "frontends/tui/program_status.h"
#include "frontends/tui/terminal.h"
#include "app/application.h"
#include "frontends/simhome/ornel_desktop.h"

namespace tui {

namespace {

constexpr const char* kName = "run";
constexpr std::uint64_t kFastestSpeed = 600;
constexpr const char* kDemoHomeUnderData = "/ornel/demo";
constexpr const char* kDataUnderHome = "/.local/share";

struct RunOptions {
    simhome::SimHomeOptions home;
    int speed = 1;
};

// $XDG_DATA_HOME/ornel/demo, else ~/.local/share/ornel/demo; "" when
// neither variable is set.
std::string defaultDemoHome() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && *data != '\0') return std::string(data) + kDemoHomeUnderData;
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return std::string(home) + kDataUnderHome + kDemoHomeUnderData;
    return {};
}

bool parseOptions(const cli::Args& args, RunOptions& o, std::string& error) {
    cli::OptionReader options(args);
    cli::SimHomeOptionReader home(o.home);
    while (options.next()) {
        const cli::HomeOption taken = home.take(options, error);
        if (taken == cli::HomeOption::Invalid) return false;
        if (taken == cli::HomeOption::Taken) continue;
        if (options.current() == "--speed") {
            std::uint64_t speed = 0;
            if (!options.wholeNumberValue(1, kFastestSpeed, speed, error)) return false;
            o.speed = static_cast<int>(speed);
        } else {
            error = options.notTaken();
            return false;
        }
    }
    if (o.home.home.empty()) o.home.home = defaultDemoHome();
    if (o.home.home.empty()) {
        error = "no demo home: set HOME or XDG_DATA_HOME, or give --home DIR";
        return false;
    }
    o.home.realTime = true;
    o.home.speed = o.speed;
    return home.complete(error);
}

// The terminal shows UTF-8: the locale's encoding when it is UTF-8, else C.UTF-8.
void useUtf8Locale() {
    std::setlocale(LC_ALL, "");
    const char* codeset = nl_langinfo(CODESET);
    if (codeset == nullptr || std::strcmp(codeset, "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

// The whole program, started on the desktop: the application object's
// process as Ornel's first thread.  The process keeps its object until it
// ends, however the desktop is wound up.
class RunningProgram : public ProgramView {
public:
    explicit RunningProgram(simhome::OrnelDesktop& desk)
        : desk_(desk), program_(std::make_shared<app::Application>()) {
        desk_.startOrnel([program = program_] { program->run(); });
    }
    bool ended() const override { return desk_.ornelEnded(); }
    std::string status() const override {
        return ProgramStatus(program_->runControl, program_->driverState.runProgress);
    }

private:
    simhome::OrnelDesktop& desk_;
    std::shared_ptr<app::Application> program_;
};

int runOrnelOnTerminal(const cli::Args& args) {
    RunOptions o;
    std::string error;
    if (!parseOptions(args, o, error)) return cli::usageError(kName, error);
    if (!Terminal::available()) return cli::commandError(kName, "standard input and output must be a terminal");
    useUtf8Locale();
    simhome::SimHome home;
    if (!home.open(o.home, error)) return cli::commandError(kName, error);
    Terminal terminal;
    if (!terminal.open()) return cli::commandError(kName, "the terminal cannot be used (is TERM set?)");
    RunningProgram program(home.desk());
    runOnTerminal(home.desktop(), terminal, program, {o.speed, simhome::kOrnelProgram, simhome::kClientProgram});
    terminal.close();
    return cli::kExitOk;
}

}  // namespace

}  // namespace tui

namespace cli {

extern const Command kRunCommand = {
    "run",
    "[--home DIR] [--now \"YYYY-MM-DD HH:MM\"] [--speed N] [--seed S] [--scale X] [--fault NAME]... [--ideal]",
    "Starts Ornel in the terminal: its main window on the simulated desktop in\n"
    "real time, beside the replacement betting client, which is installed in a\n"
    "demo home (made on first use with a generated day for the date of --now).\n"
    "`ornel` with no arguments does the same with the defaults.\n"
    "\n"
    "  --home DIR     the home (default $XDG_DATA_HOME/ornel/demo, else\n"
    "                 ~/.local/share/ornel/demo)\n"
    "  --now TIME     the clock starts at \"YYYY-MM-DD HH:MM\" (default: now)\n"
    "  --speed N      the clock runs N times the wall clock (1 to 600)\n"
    "  --seed S       the seed of a new home's generated day\n"
    "  --scale X      the client's forms drawn X times their design size (0.5 to\n"
    "                 1.6)\n"
    "  --fault NAME   a fault of the client for this run (repeatable; ornel sim\n"
    "                 --faults lists them)\n"
    "  --ideal        the ideal client, which does everything at once, instead of\n"
    "                 the strict one, which takes its time as a real client does\n"
    "\n"
    "Keys: Tab and Shift+Tab move between controls, Enter presses the focused\n"
    "button (in the bet list it checks the list), Space presses a button, F2\n"
    "opens the context menu, F10 the system menu, Ctrl+V pastes (and so does the\n"
    "terminal's own paste), Ctrl+Q asks the window to close.  The mouse clicks.\n",
    tui::runOrnelOnTerminal,
};

}  // namespace cli

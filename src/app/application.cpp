#include "app/application.h"

#include "app/payout_commands.h"
#include "base/load_settings.h"
#include "platform/clock.h"
#include "ui/main_commands.h"

namespace app {

Application::Application(ProgramOptions options)
    : connector(driver, options.client), options_(std::move(options)) {}

Application::~Application() = default;

plat::Hwnd Application::mainWindow() const { return driver.mainWindow.load(); }

int Application::run() {
    // Instance initialisation: the settings (dialog controls have their
    // three-dimensional look on every platform we run on).
    openProfile();
    base::LoadSettings(*profile_, settings, plat::now());
    if (options_.adjustSettings) options_.adjustSettings(settings);

    const bool installed = options_.client == driver::ClientPresence::Installed;
    ui::MainWindowModel model{settings, *profile_, notifier, terms, voteLog, betList, betFile, runControl};
    model.connector = &connector;
    model.betRun = installed ? &betRun : nullptr;
    model.driver = &driver;
    model.refreshesVotingTerms = installed;
    {
        ui::MainWindow window(model, *this);
        bindShellCommands(window);
        window_ = &window;
        window.doModal(0);
        window_ = nullptr;
    }
    driver.mainWindow = 0;
    notifier.setOwner(0);
    restoreDialingPrefix();
    // No message loop follows the main window: the process ends.
    return 0;
}

void Application::openProfile() {
    profileFile_ = std::make_unique<base::FileProfileStore>(
        options_.profilePath.empty() ? base::ProgramProfilePath() : options_.profilePath);
    profile_ = profileFile_.get();
    if (options_.readOnlyProfile) {
        readOnlyProfile_ = std::make_unique<base::ReadOnlyProfileStore>(*profileFile_);
        profile_ = readOnlyProfile_.get();
    }
}

void Application::bindShellCommands(ui::MainWindow& window) {
    ui::CommandTable& table = window.commands();
    if (options_.client == driver::ClientPresence::Installed) {
        table.setAction(ui::kIdPayoutFetch, [this, &window] {
            clientdata::PayoutContext payouts = payoutContext(window);
            if (const std::optional<int> fetched =
                    PayoutFetchCommand(window.hwnd(), settings, *profile_, driver, payouts))
                lastPayoutFetch = fetched;
        });
    }
    table.setAction(ui::kIdPayoutReport, [this, &window] {
        clientdata::PayoutContext payouts = payoutContext(window);
        PayoutReportCommand(payouts, runControl.programClock.load());
    });
}

clientdata::PayoutContext Application::payoutContext(ui::MainWindow& window) {
    return {.terms = terms,
            .tables = payoutTables,
            .betFile = betFile,
            .clientExePath = settings.pat95Dir,
            .payoutFetchTime = settings.haraimodoshiInfoGetTime,
            .host = window.voteLogHost(),
            .notifier = notifier};
}

void Application::windowCreated(plat::Hwnd window) {
    notifier.setOwner(window);
    driver.mainWindow = window;
}

// The dialing prefix is put back when the modem setting changed it; the
// modem setting itself is applied by startUpModem.
void Application::restoreDialingPrefix() {}

bool Application::acceptCaution(plat::Hwnd /*window*/) { return true; }

ui::ExitChoice Application::confirmExit(plat::Hwnd /*window*/) { return ui::ExitChoice::Close; }

void Application::startUpModem(plat::Hwnd /*window*/) {}

}  // namespace app

#include "app/application.h"

#include "app/exit_confirmation.h"
#include "app/shell_commands.h"
#include "app/startup_caution.h"
#include "base/load_settings.h"
#include "platform/clock.h"
#include "ui/payout_fetch.h"

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

    const bool installed = clientInstalled();
    ui::MainWindowModel model{settings, *profile_, notifier, terms, voteLog, betList, betFile, runControl};
    model.connector = &connector;
    model.betRun = installed ? &betRun : nullptr;
    model.driver = &driver;
    model.refreshesVotingTerms = installed;
    model.clientOperated = options_.clientOperated;
    {
        ui::MainWindow window(model, *this);
        BindShellCommands(window, *this);
        window_ = &window;
        window.doModal(0);
        window_ = nullptr;
    }
    driver.mainWindow = 0;
    notifier.setOwner(0);
    driver::RestoreDialingPrefix(dialingPrefix);
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

void Application::showCaution(plat::Hwnd window) { ShowCaution(window, runControl); }

ui::ExitChoice Application::confirmExit(plat::Hwnd window) { return ConfirmExit(window); }

// The dialing prefix it may replace is put back when the process ends.
void Application::startUpModem(plat::Hwnd window) {
    driver::StartUpModemSetting(window, settings, *profile_, dialingPrefix);
}

void Application::fetchPayouts() {
    ui::MainWindow* window = window_.load();
    if (window == nullptr || !clientInstalled()) return;
    clientdata::PayoutContext payouts = payoutContext(*window);
    ui::FetchAndReconcilePayouts(driver, payouts);
}

}  // namespace app

#include "ui/bet_list_window.h"

#include "base/settings_keys.h"
#include "betdata/load_command.h"
#include "driver/refresh_voting_terms.h"
#include "platform/window.h"
#include "ui/client_data_commands.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace ui {

BetListWindow::BetListWindow(MainWindowModel& model)
    : plat::Dialog(MainWindowTemplate()),
      model_(model),
      betData_{.windows = {},
               .state = model.betList,
               .terms = model.terms,
               .settings = model.settings,
               .profile = model.profile,
               .notifier = model.notifier,
               .betFile = model.betFile,
               .unmovableFiles = model.betList.unmovableFiles,
               .clock = model.run.programClock,
               .autoMode = model.run.autoMode,
               .connector = model.connector,
               .refreshVotingTerms = {},
               .refreshVoteLog = [this] { refreshVoteLog(); }},
      listCommands_(betData_),
      listProc_(model.run.autoMode) {
    AddMainCommands(commands_);
    commands_.setAction(kIdLoad, [this] { betdata::RunLoadCommand(betData_, listCommands_); });
    commands_.setAction(kIdClear, [this] { listCommands_.clear(); });
    commands_.setAction(kIdMerge, [this] { listCommands_.merge(); });
    commands_.setAction(kIdTimerBetFile, [this] { RunWriteTimerBetFile(betData_); });
    commands_.setAction(kIdReadStartTimes, [this] { RunImportRaceCardFile(betData_, listCommands_); });
    commands_.setAction(kIdReadRaceCards, [this] { RunReadClientRaceCards(model_.terms, model_.settings.pat95Dir); });
    if (model.driver != nullptr && model.refreshesVotingTerms)
        betData_.refreshVotingTerms = [this] { driver::RefreshVotingTerms(*model_.driver, model_.run); };
}

BetListWindow::~BetListWindow() = default;

bool BetListWindow::runCommand(int id) { return commands_.run(id, runInProgress()); }

bool BetListWindow::onInitDialog() {
    bindControls();
    limitAndHideEdits();
    widenStagingEdit();
    resetListCounters();
    subclassBetList();
    betData_.showStatus();
    return true;
}

void BetListWindow::bindControls() {
    betData_.windows = {hwnd(), item(kIdBetList), item(kIdStaging), item(kIdStatusBox)};
    commands_.bindButtons(hwnd());
}

void BetListWindow::limitAndHideEdits() {
    plat::sendMessage(betData_.windows.betList, plat::EM_LIMITTEXT, kListTextLimit, 0);
    plat::sendMessage(betData_.windows.staging, plat::EM_LIMITTEXT, kListTextLimit, 0);
    plat::showWindow(betData_.windows.staging, plat::SW_HIDE);
}

void BetListWindow::widenStagingEdit() {
    const plat::Hwnd staging = betData_.windows.staging;
    plat::Rect r;
    if (!plat::getWindowRect(staging, r)) return;
    plat::Point topLeft{r.left, r.top};
    plat::Point bottomRight{r.right, r.bottom};
    plat::screenToClient(hwnd(), topLeft);
    plat::screenToClient(hwnd(), bottomRight);
    plat::moveWindow(staging, {topLeft.x, topLeft.y, bottomRight.x + kStagingExtraWidth, bottomRight.y}, false);
}

void BetListWindow::resetListCounters() {
    model_.betList.listCount = 0;
    model_.betList.listTotal = 0;
}

void BetListWindow::subclassBetList() { listProc_.install(betData_.windows.betList); }

bool BetListWindow::onCommand(int id, int /*notifyCode*/) { return runCommand(id); }

plat::Lresult BetListWindow::onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                                       bool& handled) {
    handled = true;
    if (listCommands_.handleMessage(message)) return 0;
    // The focus goes to the control named in wParam.
    if (message == plat::WM_NEXTDLGCTL && lParam != 0) {
        plat::setFocus(static_cast<plat::Hwnd>(wParam));
        return 0;
    }
    handled = false;
    return 0;
}

void BetListWindow::refreshVoteLog() {
    clientdata::VoteLogContext context{model_.terms, model_.voteLog, model_.betFile,
                                       model_.settings.pat95Dir, *this};
    clientdata::RefreshVoteLog(context, model_.run.programClock.load());
}

std::string BetListWindow::mainCaption() { return plat::getWindowText(hwnd()); }
void BetListWindow::setMainCaption(const std::string& caption) { plat::setWindowText(hwnd(), caption); }
void BetListWindow::showBetStatus() { betData_.showStatus(); }
void BetListWindow::storeCurrentInfo(const std::string& line) {
    model_.settings.currentInfo = line;
    model_.profile.writeString(base::kSectionDefine, base::keys::kCurrentInfo, line);
}

}  // namespace ui

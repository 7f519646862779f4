#include "ui/bet_list_window.h"

#include "base/settings_keys.h"
#include "betdata/load_command.h"
#include "clientdata/client_race_cards.h"
#include "clientdata/race_card_import.h"
#include "clientdata/timer_bet_file.h"
#include "platform/window.h"
#include "ui/client_data_commands.h"
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
    setCommand(kIdLoad, [this] { betdata::RunLoadCommand(betData_, listCommands_); });
    setCommand(kIdClear, [this] { listCommands_.clear(); });
    setCommand(kIdMerge, [this] { listCommands_.merge(); });
    setCommand(clientdata::kIdWriteTimerBetFile, [this] { RunWriteTimerBetFile(betData_); });
    setCommand(clientdata::kIdImportRaceCardFile, [this] { RunImportRaceCardFile(betData_, listCommands_); });
    setCommand(clientdata::kIdReadClientRaceCards,
               [this] { RunReadClientRaceCards(model_.terms, model_.settings.pat95Dir); });
}

BetListWindow::~BetListWindow() = default;

bool BetListWindow::runCommand(int id) {
    const auto command = commands_.find(id);
    if (command == commands_.end()) return false;
    command->second();
    return true;
}

void BetListWindow::setCommand(int id, std::function<void()> command) { commands_[id] = std::move(command); }

bool BetListWindow::onInitDialog() {
    betData_.windows = {hwnd(), item(kIdBetList), item(kIdStaging), item(kIdStatusBox)};
    plat::sendMessage(betData_.windows.betList, plat::EM_LIMITTEXT, kListTextLimit, 0);
    plat::sendMessage(betData_.windows.staging, plat::EM_LIMITTEXT, kListTextLimit, 0);
    plat::showWindow(betData_.windows.staging, plat::SW_HIDE);
    widenStagingEdit();
    model_.betList.listCount = 0;
    model_.betList.listTotal = 0;
    listProc_.install(betData_.windows.betList);
    betData_.showStatus();
    return true;
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

bool BetListWindow::onCommand(int id, int /*notifyCode*/) { return runCommand(id); }

plat::Lresult BetListWindow::onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                                    bool& handled) {
    handled = true;
    switch (message) {
    case betdata::kMsgReparseRequest: listCommands_.onReparseRequest(); return 0;
    case betdata::kMsgPastePrepare: listCommands_.onPastePrepare(); return 0;
    case betdata::kMsgPasteFinish: listCommands_.onPasteFinish(); return 0;
    case plat::WM_NEXTDLGCTL:
        // The focus goes to the control named in wParam.
        if (lParam != 0) {
            plat::setFocus(static_cast<plat::Hwnd>(wParam));
            return 0;
        }
        break;
    default: break;
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

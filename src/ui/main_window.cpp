#include "ui/main_window.h"

#include "base/frame_pos.h"
#include "base/next_bet_file.h"
#include "base/settings_keys.h"
#include "base/strings.h"
#include "betdata/refused_bets.h"
#include "clientdata/current_info.h"
#include "clientdata/terms_reader.h"
#include "driver/client_forms.h"
#include "driver/close_client.h"
#include "betdata/bet_file_load.h"
#include "driver/driver_settings.h"
#include "driver/modem_dialog.h"
#include "driver/refresh_voting_terms.h"
#include "driver/window_search.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/window.h"
#include "ui/client_data_commands.h"
#include "ui/main_commands.h"
#include "ui/main_menus.h"
#include "ui/main_window_layout.h"
#include "ui/window_dump.h"

namespace ui {

namespace {

constexpr int kWindowIcon = 128;
// How long the start-up looks for the client's menu form.
constexpr std::uint32_t kRunningClientWaitMs = 500;
// The modem command shows dialog 144 without a countdown: the user closes it.
constexpr int kModemCommandCountdown = 0;
// The help file is the executable's name with this extension.
constexpr const char* kHelpExtension = ".HLP";

void postCommand(plat::Hwnd window, int id) {
    plat::postMessage(window, plat::WM_COMMAND, plat::makeWparam(id, 0), 0);
}

std::string helpFilePath() {
    std::string path = plat::programFileName();
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.find_last_of("/\\");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
    return path + kHelpExtension;
}

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, MainWindowShell& shell) : BetListWindow(model), shell_(shell) {
    CommandTable& table = commands();
    table.setAction(kIdBet, [this] { onBet(); });
    table.setAction(kIdAutoMode, [this] { onAutoToggle(); });
    table.setAction(kIdHelp, [this] { openHelp(); });
    table.setAction(kIdConnectClient, [this] { connectClient(); });
    table.setAction(kIdModemSettings, [this] {
        driver::EditModemSettings(hwnd(), model_.settings, model_.profile, kModemCommandCountdown);
    });
    table.setAction(kIdWindowDump, [this] {
        DumpClientWindows(model_.run.programClock.load());
        listCommands().focusBetList();
    });
    if (model.driver != nullptr) {
        table.setAction(kIdFetchRaceCards,
                        [this] { reportClientOperation(kIdFetchRaceCards, RunFetchRaceCards(*model_.driver)); });
    }
}

bool MainWindow::onInitDialog() {
    bindControls();
    limitAndHideEdits();
    shell_.windowCreated(hwnd());

    AppendSystemMenuEntries(hwnd(), commands());
    setIcons();
    widenStagingEdit();
    handSettingsToDriver();
    resetListCounters();
    plat::setTimer(hwnd(), kTickTimer, kTickMs);
    subclassBetList();
    model_.run.programClock = plat::now();
    clientdata::LoadCurrentInfo(model_.terms, model_.settings.currentInfo);
    chooseTodaysBetFile();
    betData().refreshVoteLog();
    betData().showStatus();
    showCautionUnlessSkipped();
    lockWidthAndListGap();
    restoreFramePos();
    shell_.startUpModem(hwnd());
    loadTermsOfRunningClient();
    startClientInBettingHours();
    if (model_.settings.autoMode != 0) onAutoToggle();
    return true;
}

void MainWindow::setIcons() {
    const plat::Hicon icon = plat::loadIcon(kWindowIcon);
    plat::sendMessage(hwnd(), plat::WM_SETICON, plat::ICON_BIG, static_cast<plat::Lparam>(icon));
    plat::sendMessage(hwnd(), plat::WM_SETICON, plat::ICON_SMALL, static_cast<plat::Lparam>(icon));
}

void MainWindow::handSettingsToDriver() {
    if (model_.driver == nullptr) return;
    const base::Settings& s = model_.settings;
    driver::LoadDriverSettings(s, model_.driver->state);
    driver::SetDriverFlags(model_.driver->state, s.accInp, s.autoPat, s.skipAnn, s.forceMode);
}

void MainWindow::chooseTodaysBetFile() {
    const plat::LocalTime today = plat::localTime(model_.run.programClock.load());
    base::NextBetFilePath(model_.betFile, model_.settings.betFileDir,
                          base::BetFileDate{today.year, today.month, today.day});
}

// Declined: the window closes once the start-up is through, without the
// exit confirmation.
void MainWindow::showCautionUnlessSkipped() {
    if (model_.settings.skipCyuui != 1) shell_.showCaution(hwnd());
}

void MainWindow::lockWidthAndListGap() {
    plat::Rect window, list;
    if (!plat::getWindowRect(hwnd(), window) || !plat::getWindowRect(item(kIdBetList), list)) return;
    widthLock_ = window.width() + 1;
    listBottomGap_ = window.bottom - list.bottom;
}

void MainWindow::restoreFramePos() {
    base::WindowPlacement stored;
    if (!base::ParseFramePos(model_.settings.framePos, stored)) return;
    plat::WindowPlacement placement;
    placement.length = stored.length;
    placement.flags = stored.flags;
    placement.showCommand = stored.showCommand;
    placement.minPosition = {stored.minX, stored.minY};
    placement.maxPosition = {stored.maxX, stored.maxY};
    placement.normalPosition = {stored.left, stored.top, stored.right, stored.bottom};
    plat::setWindowPlacement(hwnd(), placement);
}

// A client already running with today's terms: they are read now.
void MainWindow::loadTermsOfRunningClient() {
    if (model_.driver == nullptr) return;
    const std::int64_t clock = model_.run.programClock.load();
    base::VotingTerms& terms = model_.terms;
    if (!clientdata::TermsFileIsToday(terms, model_.settings.pat95Dir, clock)) return;
    const driver::ClientForm& menu = driver::kMenuForm;
    if (driver::WaitTopWindow(model_.driver->state, menu.className, menu.caption, kRunningClientWaitMs) == 0) return;
    clientdata::TermsContext context{terms, model_.betFile, model_.settings.betFileDir, model_.settings.targetDir};
    clientdata::LoadVotingTerms(context, model_.settings.pat95Dir,
                                [this](const std::string& text) { model_.notifier.text(text); });
    terms.termsChecked = clientdata::AreTermsCurrent(terms, clock) ? 1 : 0;
    if (terms.termsChecked == 0) model_.notifier.message(base::kMsgTermsUnchecked);
}

// Posted, so that the client starts once the window is up.
void MainWindow::startClientInBettingHours() {
    const int hour = plat::localTime(model_.run.programClock.load()).hour;
    if (driver::InBettingHours(hour)) postCommand(hwnd(), kIdConnectClient);
}

void MainWindow::onAutoToggle() {
    base::RunControl& run = model_.run;
    if (model_.terms.termsChecked != 0 && model_.connector != nullptr) {
        const int connected = model_.connector->connectClient(base::kConnectTermsOnly);
        reportClientOperation(kIdAutoMode, connected);
        if (connected == -1) return;
    }
    const bool on = run.autoMode.load() == 0;
    run.autoMode = on ? 1 : 0;
    commands().find(kIdAutoMode)->setCaption(on ? kManualCaption : kAutoCaption);
    const plat::Hwnd list = item(kIdBetList);
    if (on) {
        run.autoState.timerBetCursor = plat::now();
        betData().refreshVoteLog();
        base::NextBetFilePath(model_.betFile, model_.settings.betFileDir, std::nullopt);
        listCommands().clear();
        plat::enableWindow(list, false);
        for (const int id : {kIdLoad, kIdClear, kIdBet, kIdMerge}) commands().find(id)->setEnabled(false);
    } else {
        // Disabled and enabled once more, so that the list repaints.
        plat::enableWindow(list, false);
        plat::enableWindow(list, true);
        for (const int id : {kIdLoad, kIdClear, kIdBet, kIdMerge}) commands().find(id)->setEnabled(true);
        listCommands().focusBetList();
    }
}

// The tick: AutoMode, with the run completion and the program clock.
void MainWindow::onTimer() {
    AutoMode autoMode{model_.run, model_.settings, model_.terms, model_.betFile, model_.voteLog.nextLogPath,
                      hwnd(), *this};
    OnTimer(autoMode);
}

void MainWindow::onCancel() { onCloseRequest(); }

void MainWindow::onCloseRequest() {
    if (model_.run.closeWithoutAsking.load() == 0) {
        switch (shell_.confirmExit(hwnd())) {
        case ExitChoice::Stay: return;
        case ExitChoice::CloseAndQuitClient:
            // The BetRunner thread has the client while a run lasts: the
            // window stays, and the client is left to the run.
            if (runInProgress()) {
                beepWhileRunning();
                return;
            }
            if (model_.driver != nullptr) driver::CloseClient(*model_.driver);
            break;
        case ExitChoice::Close: break;
        }
        saveFramePos();
    }
    plat::enableWindow(hwnd(), true);
    endDialog(plat::IDOK);
}

// Only a window in its normal state: a minimized or maximized one keeps the
// placement stored before.
void MainWindow::saveFramePos() {
    plat::WindowPlacement placement;
    if (!plat::getWindowPlacement(hwnd(), placement) || placement.showCommand != plat::SW_SHOWNORMAL) return;
    base::WindowPlacement stored;
    stored.length = placement.length;
    stored.flags = placement.flags;
    stored.showCommand = placement.showCommand;
    stored.minX = placement.minPosition.x;
    stored.minY = placement.minPosition.y;
    stored.maxX = placement.maxPosition.x;
    stored.maxY = placement.maxPosition.y;
    stored.left = placement.normalPosition.left;
    stored.top = placement.normalPosition.top;
    stored.right = placement.normalPosition.right;
    stored.bottom = placement.normalPosition.bottom;
    model_.settings.framePos = base::FormatFramePos(stored);
    model_.profile.writeString(base::kSectionDefine, base::keys::kFramePos, model_.settings.framePos);
}

void MainWindow::onSizeLimits(plat::MinMaxInfo& limits) const {
    if (widthLock_ <= 0) return;
    limits.minTrackSize.x = widthLock_;
    limits.maxTrackSize.x = widthLock_;
}

// The BetList keeps its left, top and right edges; its bottom follows the
// window's bottom.  Nothing else moves.
void MainWindow::onSize() {
    if (widthLock_ <= 0 || plat::isIconic(hwnd())) return;
    const plat::Hwnd list = item(kIdBetList);
    plat::Rect window, rect;
    if (!plat::getWindowRect(hwnd(), window) || !plat::getWindowRect(list, rect)) return;
    plat::Point topLeft{rect.left, rect.top};
    plat::Point bottomRight{rect.right, window.bottom - listBottomGap_};
    plat::screenToClient(hwnd(), topLeft);
    plat::screenToClient(hwnd(), bottomRight);
    plat::moveWindow(list, {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}, true);
}

void MainWindow::onBet() {
    if (model_.betRun == nullptr) return;
    BetCommand bet = betCommand();
    OnBet(bet);
}

void MainWindow::connectClient() {
    if (model_.connector == nullptr) return;
    plat::WaitCursor wait;
    reportClientOperation(kIdConnectClient, model_.connector->connectClient(base::kConnectTermsOnly));
}

void MainWindow::reportClientOperation(int command, int result) {
    if (model_.clientOperated) model_.clientOperated(command, result);
}

void MainWindow::beepWhileRunning() { plat::messageBeep(plat::MB_ICONASTERISK); }

void MainWindow::openHelp() { plat::winHelp(hwnd(), helpFilePath(), plat::HELP_FINDER); }

plat::Lresult MainWindow::onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam, bool& handled) {
    handled = true;
    switch (message) {
    case plat::WM_TIMER:
        onTimer();
        return 0;
    case plat::WM_SYSCOMMAND:
        // The entries the window appended; the system's own get the default.
        if (commands().find(static_cast<int>(wParam)) != nullptr) {
            runCommand(static_cast<int>(wParam));
            return 0;
        }
        break;
    case plat::WM_CLOSE:
        onCloseRequest();
        return 0;
    case plat::WM_GETMINMAXINFO:
        onSizeLimits(*reinterpret_cast<plat::MinMaxInfo*>(lParam));
        return 0;
    case plat::WM_SIZE:
        onSize();
        return 0;
    case plat::WM_RBUTTONUP:
        TrackContextMenu(hwnd(), {plat::xFromLparam(lParam), plat::yFromLparam(lParam)}, commands());
        return 0;
    case plat::WM_DESTROY:
        plat::winHelp(hwnd(), helpFilePath(), plat::HELP_QUIT);
        break;
    default: break;
    }
    handled = false;
    return BetListWindow::onMessage(message, wParam, lParam, handled);
}

BetCommand MainWindow::betCommand() {
    return {hwnd(), commands(), *this, *model_.betRun, model_.betList.table, model_.run.autoMode};
}

bool MainWindow::reparseRequest(bool skipTermsCheck) { return listCommands().onReparseRequest(skipTermsCheck); }

void MainWindow::clearCommand() { listCommands().clear(); }

void MainWindow::focusBetList() { listCommands().focusBetList(); }

void MainWindow::loadNewVoteLog() {
    clientdata::VoteLogState& voteLog = model_.voteLog;
    if (!base::FileHasData(voteLog.nextLogPath)) return;
    clientdata::VoteLogContext context{model_.terms, voteLog, model_.betFile, model_.settings.pat95Dir,
                                       voteLogHost()};
    if (clientdata::LoadVoteLog(context, voteLog.nextLogPath, model_.run.programClock.load()) > 0)
        betData().showStatus();
}

void MainWindow::recordRefusedBets(const std::vector<base::RefusedBet>& refused) {
    betdata::WriteRefusedEntry(model_.betFile, model_.run.programClock.load(), refused);
    betdata::RefusedTally& tally = model_.betList.refused;
    for (const base::RefusedBet& bet : refused) {
        ++tally.count;
        tally.totalYen += bet.bet.amount * base::kYenPerUnit;
    }
    betData().showStatus();
}

void MainWindow::finishRun() {
    if (model_.betRun == nullptr) return;
    BetCommand bet = betCommand();
    FinishRun(bet);
}

// Without a client to restart, the terms in force stand.
int MainWindow::refreshVotingTerms() {
    if (model_.driver == nullptr || !model_.refreshesVotingTerms) return 0;
    return driver::RefreshVotingTerms(*model_.driver, model_.run);
}

bool MainWindow::loadBetFile(const std::string& path) {
    return betdata::LoadBetFile(betData(), path) && !model_.betList.importCancelled;
}

void MainWindow::closeClient() {
    if (model_.driver != nullptr) driver::CloseClient(*model_.driver);
}

}  // namespace ui

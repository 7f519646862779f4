#include "frontends/cli/bet_window.h"

#include <memory>
#include <utility>

#include "base/load_settings.h"
#include "betdata/edit_transfer.h"
#include "driver/driver_settings.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "ui/bet_command.h"
#include "ui/main_window_layout.h"

namespace cli {

BetRunWorld::BetRunWorld(base::ProfileStore& profileStore, std::int64_t clock) : profile(profileStore) {
    base::LoadSettings(profile, settings, clock);
    run.programClock = clock;
}

DrivenMainWindow::DrivenMainWindow(BetRunWorld& world) : ui::MainWindow(world.model), world_(world) {}

bool DrivenMainWindow::onInitDialog() {
    const bool result = ui::MainWindow::onInitDialog();
    const base::Settings& s = world_.settings;
    world_.notifier.setOwner(hwnd());
    world_.driver.mainWindow = hwnd();
    driver::LoadDriverSettings(s, world_.state);
    driver::SetDriverFlags(world_.state, s.accInp, s.autoPat, s.skipAnn, s.forceMode);
    const plat::LocalTime today = plat::localTime(world_.run.programClock.load());
    base::NextBetFilePath(world_.betFile, s.betFileDir, base::BetFileDate{today.year, today.month, today.day});
    betData().refreshVoteLog();
    betData().showStatus();
    watchLineReads();
    return result;
}

void DrivenMainWindow::typeIntoList(const std::string& text) {
    const plat::Hwnd list = item(ui::kIdBetList);
    plat::sendMessage(list, plat::EM_SETSEL, 0, -1);
    plat::sendMessage(list, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(text.c_str()));
    plat::sendMessage(list, plat::EM_SETSEL, 0, 0);
    listCommands().onReparseRequest();
}

void DrivenMainWindow::pressBet() {
    plat::postMessage(hwnd(), plat::WM_COMMAND, plat::makeWparam(ui::kIdBet, static_cast<int>(plat::BN_CLICKED)), 0);
}

plat::Lresult DrivenMainWindow::onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                                          bool& handled) {
    const std::int16_t before = world_.run.runState.load();
    const plat::Lresult result = ui::MainWindow::onMessage(message, wParam, lParam, handled);
    // The tick that completed the run.
    if (message == plat::WM_TIMER && (before == base::kRunFinished || before == base::kRunFailed) &&
        world_.run.runState.load() == base::kRunIdle) {
        linesRead_ = 0;
        onRunCompleted(before);
    }
    return result;
}

// The lines the run reads (the BetList is read only by the run while it lasts).
void DrivenMainWindow::watchLineReads() {
    const plat::Hwnd list = item(ui::kIdBetList);
    auto base = std::make_shared<plat::WndProc>();
    *base = plat::setWindowProc(list, [this, base](plat::Hwnd w, plat::Uint m, plat::Wparam wp, plat::Lparam lp) {
        const plat::Lresult result = plat::callWindowProc(*base, w, m, wp, lp);
        if (m == plat::EM_GETLINE && world_.run.runState.load() == base::kRunRunning) onLineRead(++linesRead_);
        return result;
    });
}

BetWindow::BetWindow(BetRunWorld& world, std::string betText, int stopAfterLines)
    : DrivenMainWindow(world), betText_(std::move(betText)), stopAfterLines_(stopAfterLines) {}

bool BetWindow::onInitDialog() {
    const bool result = DrivenMainWindow::onInitDialog();
    typeIntoList(betText_);
    pressBet();
    return result;
}

bool BetWindow::onCommand(int id, int notifyCode) {
    const bool idle = world_.run.runState.load() == base::kRunIdle;
    if (id == ui::kIdBet && idle) pressedAt_ = plat::tickCount();
    const bool handled = DrivenMainWindow::onCommand(id, notifyCode);
    // Nothing to place, or the limits said No: there is no run to wait for.
    if (id == ui::kIdBet && idle && world_.run.runState.load() == base::kRunIdle) finish();
    return handled;
}

// STOP, pressed as soon as the run has read the given number of lines.
void BetWindow::onLineRead(int lineNumber) {
    if (lineNumber == stopAfterLines_) pressBet();
}

void BetWindow::onRunCompleted(std::int16_t result) {
    runResult_ = result;
    finish();
}

void BetWindow::finish() {
    runMs_ = plat::tickCount() - pressedAt_;
    listAfter_ = betdata::EditText(item(ui::kIdBetList));
    statusAfter_ = plat::getWindowText(item(ui::kIdStatusBox), ui::kListTextLimit);
    endDialog(plat::IDOK);
}

}  // namespace cli

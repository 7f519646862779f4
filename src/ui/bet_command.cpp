#include "ui/bet_command.h"

#include <initializer_list>
#include <utility>

#include "base/strings.h"
#include "betdata/amount_limits.h"
#include "betdata/refused_bets.h"
#include "base/bet_list_edit.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace ui {

namespace {

// The first line of the list is read into a buffer of this size to see
// whether there is anything to place.
constexpr std::size_t kFirstLineBytes = 32;

plat::Hwnd item(const BetCommand& command, int id) { return plat::getDlgItem(command.window, id); }

void enable(const BetCommand& command, std::initializer_list<int> ids, bool on) {
    for (const int id : ids) {
        if (const Command* c = command.commands.find(id)) c->setEnabled(on);
    }
}

const Command& betButton(const BetCommand& command) { return *command.commands.find(kIdBet); }

void startRun(BetCommand& command) {
    driver::PatDriver& driver = command.run.driver;
    // A list the terms step could not parse may hold text the run cannot
    // place: no run (the user has been told why).
    if (!command.host.reparseRequest(false)) return;
    if (betdata::CheckAmountLimits(command.table, driver.settings, driver.notifier) ==
        betdata::LimitDecision::Abort)
        return;
    const plat::Hwnd list = item(command, kIdBetList);
    if (BetListFirstLineEmpty(list)) {
        driver.notifier.beep(plat::MB_ICONASTERISK);
        command.host.focusBetList();
        return;
    }
    command.run.runState.store(base::kRunRunning);
    driver.notifier.beep(plat::MB_OK);
    plat::enableWindow(list, false);
    betButton(command).setCaption(kStopCaption);
    betButton(command).setEnabled(true);
    plat::setForegroundWindow(command.window);
    enable(command, {kIdAutoMode, kIdLoad, kIdClear, kIdMerge}, false);
    driver::StartBetRunner(command.run, list);
}

}  // namespace

void OnBet(BetCommand& command) {
    base::RunState& runState = command.run.runState;
    switch (runState.load()) {
    case base::kRunIdle: startRun(command); return;
    case base::kRunRunning: {
        // Only a running run is asked to stop: the thread may have ended
        // (1 or -1) since the value was read, and overwriting its end with
        // -3 would leave the run waiting for a FinishRun that never comes.
        std::int16_t running = base::kRunRunning;
        if (runState.compare_exchange_strong(running, base::kRunStopRequested))
            command.run.driver.notifier.beep(plat::MB_ICONASTERISK);
        return;
    }
    default:
        // Stopping or ended: the timer completes the run.
        return;
    }
}

bool BetListFirstLineEmpty(plat::Hwnd list) {
    char first[kFirstLineBytes];
    return base::EditBetList(list).readLine(0, first, sizeof first) == 0;
}

bool RunHasEnded(const base::RunState& runState) {
    const std::int16_t state = runState.load();
    return state == base::kRunFinished || state == base::kRunFailed;
}

void FinishRun(BetCommand& command) {
    base::RunState& runState = command.run.runState;
    const std::vector<base::RefusedBet> refused = std::exchange(command.run.refused, {});
    if (!refused.empty()) command.host.recordRefusedBets(refused);
    if (runState.load() == base::kRunFinished) {
        command.host.loadNewVoteLog();
        command.host.clearCommand();
    }
    const plat::Hwnd list = item(command, kIdBetList);
    plat::enableWindow(list, true);
    betButton(command).setCaption(kBetCaption);
    enable(command, {kIdAutoMode}, true);
    if (command.autoMode.load() != 0) {
        enable(command, {kIdBet}, false);
        if (runState.load() == base::kRunFailed) {
            if (command.run.driver.notifier.message(base::kMsgManualModeQuestion, plat::MB_YESNO) == plat::IDYES) {
                // Manual mode: the lines left stay for a manual run.
                command.host.autoToggle();
            } else {
                command.host.clearCommand();
                runState.store(base::kRunIdle);
            }
        }
    }
    if (command.autoMode.load() == 0) {
        enable(command, {kIdLoad, kIdClear, kIdMerge}, true);
        plat::enableWindow(list, true);
        command.host.focusBetList();
    }
    if (runState.load() == base::kRunFailed) {
        // The list holds the bets that were not placed: parse it again from
        // its start, without the terms step.
        plat::sendMessage(list, plat::EM_SETSEL, 0, 0);
        command.host.reparseRequest(true);
    }
    runState.store(base::kRunIdle);
    // Last, so that a timer tick under the box finds the run completed.
    if (!refused.empty() && command.autoMode.load() == 0)
        command.run.driver.notifier.text(betdata::RefusedBetsMessage(refused));
}

}  // namespace ui

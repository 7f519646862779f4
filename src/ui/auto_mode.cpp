#include "ui/auto_mode.h"

#include "base/auto_exit_time.h"
#include "base/next_bet_file.h"
#include "clientdata/payout_fetch_time.h"
#include "clientdata/timer_bet_file.h"
#include "driver/pat_driver.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window.h"
#include "ui/bet_command.h"
#include "ui/deadline_alarm.h"
#include "ui/local_minute.h"
#include "ui/main_window_layout.h"

namespace ui {

namespace {

bool runIdle(const AutoMode& a) { return a.run.runState.load() == base::kRunIdle; }

// A pickup that did not start a run leaves no source behind: the next run
// the user starts must not be taken for a timer-bet run.
void endPickup(AutoMode& a) {
    if (runIdle(a)) a.run.runSource.store(base::kRunSourceUser);
}

// Loads the file and starts its run, once the client holds today's terms.
// A load that was cancelled starts no run: its file stays to be offered
// again, and placing the lines it imported now would place them twice.
void pickUp(AutoMode& a, const std::string& path, int source) {
    a.run.runSource.store(source);
    if (a.host.refreshVotingTerms() == 0 && a.host.loadBetFile(path)) a.host.bet();
    endPickup(a);
}

// The expected bet file of the day, placed when the list is empty.
void watchBetFile(AutoMode& a) {
    if (a.run.autoMode.load() == 0 || !runIdle(a)) return;
    if (!BetListFirstLineEmpty(plat::getDlgItem(a.window, kIdBetList))) return;
    base::NextBetFilePath(a.betFile, a.settings.betFileDir, std::nullopt);
    if (!base::FileHasData(a.betFile.path)) return;
    const std::string& path = a.betFile.path;
    if (path.find(".BET") != std::string::npos || path.find(".TGP") != std::string::npos)
        pickUp(a, std::string(path), base::kRunSourceBetFile);
    // The file is gone once loaded: look for the next one.
    base::NextBetFilePath(a.betFile, a.settings.betFileDir, std::nullopt);
}

void refreshVoteLog(AutoMode& a) {
    if (!driver::InBettingHours(plat::localTime(a.run.programClock.load()).hour)) return;
    a.host.loadNewVoteLog();
    if (a.terms.statusDirty == 1) a.host.showBetStatus();
}

// The timer-bet file for the cursor's minute (".BET", else ".TGP"); false
// when neither has data.
bool timerBetFile(const AutoMode& a, std::string& path) {
    const plat::LocalTime t = plat::localTime(a.run.autoState.timerBetCursor);
    path = a.betFile.path;
    if (!base::ReplacePathPart(path, clientdata::TimerBetFileName(t.month, t.day, t.hour, t.minute).c_str()))
        return false;
    if (base::FileHasData(path)) return true;
    return base::ReplacePathPart(path, nullptr, ".TGP") && base::FileHasData(path);
}

// Moves the timer-bet cursor minute by minute up to the program clock: the
// payout fetch at its minute, and the first timer-bet file found is placed
// (the rest wait for the next interval, since the list is then in use).
void walkMinutes(AutoMode& a) {
    const std::int64_t clock = a.run.programClock.load();
    if (!driver::InBettingHours(plat::localTime(clock).hour)) {
        // Minutes outside the reception hours are skipped.
        a.run.autoState.timerBetCursor = clock;
        return;
    }
    const int target = LocalMinute(clock);
    // The report switch is the reconciliation's own business.
    const clientdata::PayoutFetchTime payout = clientdata::UnpackPayoutFetchTime(a.settings.haraimodoshiInfoGetTime);
    while (LocalMinute(a.run.autoState.timerBetCursor) < target) {
        a.run.autoState.timerBetCursor += kMinuteSeconds;
        const int minute = LocalMinute(a.run.autoState.timerBetCursor);
        if (payout.autoFetch && HourMinute(payout.hour, payout.minute) == minute) a.host.fetchPayouts();
        std::string path;
        if (timerBetFile(a, path)) {
            pickUp(a, path, base::kRunSourceTimerBet);
            return;
        }
    }
}

// Closes the client and the program at the set time; true when the
// program is ending through a quit message (no further tick may run).
bool autoExit(AutoMode& a) {
    const base::AutoExitFields exit = base::UnpackAutoExit(a.settings.autoExitTime);
    if (!exit.use) return false;
    if (LocalMinute(a.run.programClock.load()) < HourMinute(exit.hour, exit.minute)) return false;
    a.host.closeClient();
    if (exit.shutdown) {
        // The program ends whether or not the system takes the request.
        plat::exitWindows(plat::EWX_POWEROFF);
        plat::postQuitMessage(0);
        return true;
    }
    a.run.closeWithoutAsking.store(1);
    plat::postMessage(a.window, plat::WM_CLOSE, 0, 0);
    return false;
}

// The watch interval; true when the program is ending.
bool watchInterval(AutoMode& a) {
    a.run.autoState.watchCounter += kTickSeconds;
    if (static_cast<unsigned>(a.settings.betFileWatchDistance) > a.run.autoState.watchCounter) return false;
    a.run.autoState.watchCounter = 0;
    // While a run is in progress the list and the client are the
    // BetRunner's: the minutes and the auto exit wait for the first
    // interval after the run has been completed.
    if (a.run.autoMode.load() == 0 || !runIdle(a)) return false;
    walkMinutes(a);
    if (!runIdle(a)) return false;
    return autoExit(a);
}

}  // namespace

void OnTimer(AutoMode& a) {
    base::AutoModeState& s = a.run.autoState;
    if (s.tickOpen) return;
    s.tickOpen = true;

    if (RunHasEnded(a.run.runState)) {
        a.host.finishRun();
        // The run a pickup started is over.
        a.run.runSource.store(base::kRunSourceUser);
    }
    a.run.programClock.store(plat::now());

    if (++s.alarmCounter >= kAlarmCheckTicks) {
        DeadlineAlarm(a);
        s.alarmCounter = 0;
    }

    const int place = s.cycleCounter++;
    if (place == kBetFileWatchTick) {
        watchBetFile(a);
    } else if (s.cycleCounter >= kCycleTicks) {
        s.cycleCounter = 0;
        refreshVoteLog(a);
    }

    if (watchInterval(a)) return;  // the tick guard stays set: no tick runs any more
    s.tickOpen = false;
}

}  // namespace ui

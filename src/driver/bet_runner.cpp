#include "driver/bet_runner.h"

#include <algorithm>

#include "base/bet_list_edit.h"
#include "base/bet_line_read_back.h"
#include "driver/connect_client.h"
#include "driver/driver_settings.h"
#include "driver/enter_bet.h"
#include "driver/submit_group.h"
#include "driver/vote_form_steps.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace driver {

namespace {

// 2 unless a stop was requested before the thread got going.
void markRunning(base::RunState& runState) {
    std::int16_t current = runState.load();
    while (current != base::kRunStopRequested && !runState.compare_exchange_weak(current, base::kRunRunning)) {
    }
}

bool stopRequested(const BetRun& run) { return run.runState.load() == base::kRunStopRequested; }

// Ends the run early: the groups before groupStart went through.
void endEarly(BetRun& run, plat::Hwnd listEdit, int groupStart) {
    RemoveLeadingLines(listEdit, groupStart);
    run.driver.state.progress.step = RunStep::Finished;
    run.runState.store(base::kRunFailed);
}

void countEntered(BetRun& run, int count, int totalYen) {
    run.list.listCount.store(count);
    run.list.listTotal.store(totalYen);
}

}  // namespace

void RemoveLeadingLines(plat::Hwnd listEdit, int lines) {
    if (lines <= 0) return;
    const plat::Lresult end = plat::sendMessage(listEdit, plat::EM_LINEINDEX, static_cast<plat::Wparam>(lines), 0);
    if (end <= 0) return;
    plat::sendMessage(listEdit, plat::EM_SETSEL, 0, end);
    plat::sendMessage(listEdit, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(""));
}

void BetRunner(BetRun& run, plat::Hwnd listEdit) {
    plat::WaitCursor waitCursor;
    markRunning(run.runState);
    PatDriver& driver = run.driver;
    LoadDriverSettings(driver.settings, driver.state);
    SetRunFlags(driver.state, driver.settings, run.control.timerBetRun(), driver.settings.skipAnn);
    RunProgress& progress = driver.state.progress;
    progress.begin();
    if (ConnectClient(driver, kConnectForBetting) != 0) {
        progress.step = RunStep::Finished;
        run.runState.store(base::kRunFailed);
        return;
    }
    base::EditBetList list(listEdit);
    // The list ends with a line break: its last line is empty.
    const int lineCount = list.lineCount() - 1;
    // The group size is read once, at the start: the settings are plain
    // values that the window thread may rewrite while the run goes on.
    const int groupSize = std::max(1, driver.settings.betDivideUnit);
    progress.count(lineCount, groupSize);
    int i = 0;
    int groupStart = 0;
    int groupNumber = 0;
    bool failed = false;
    while (i < lineCount && !failed) {
        ResetEntryMemory(driver.state);
        groupStart = i;
        progress.group = ++groupNumber;
        int count = 0;
        int total = 0;
        countEntered(run, count, total);
        while (i < lineCount && count < groupSize) {
            if (stopRequested(run)) return endEarly(run, listEdit, groupStart);
            char line[kRunnerLineBytes];
            list.readLine(i, line, sizeof line);
            base::ReadBackBet bet;
            progress.line = i + 1;
            if (base::ReadBackLine(line, bet)) {
                int entered = 0;
                if (!EnterBet(driver, kDayToday, bet, entered)) {
                    failed = true;
                    break;
                }
                if (entered > 0) {
                    ++count;
                    total += bet.amountYen;
                    countEntered(run, count, total);
                }
            }
            ++i;
        }
        // Entered but not submitted: the group stays in the list.
        if (stopRequested(run)) return endEarly(run, listEdit, groupStart);
        if (failed || total < 1) continue;
        failed = !SubmitGroup(driver, total);
    }
    if (failed) return endEarly(run, listEdit, groupStart);
    progress.step = RunStep::Finished;
    run.runState.store(base::kRunFinished);
}

plat::ThreadId StartBetRunner(BetRun& run, plat::Hwnd listEdit) {
    return plat::startThread([&run, listEdit] { BetRunner(run, listEdit); });
}

}  // namespace driver

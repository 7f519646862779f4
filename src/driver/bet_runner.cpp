#include "driver/bet_runner.h"

#include <algorithm>
#include <memory>

#include "base/bet_list_edit.h"
#include "base/strings.h"
#include "base/bet_line_read_back.h"
#include "driver/bet_runner_failure.h"
#include "driver/clear_client_entries.h"
#include "driver/connect_client.h"
#include "driver/driver_message.h"
#include "driver/driver_settings.h"
#include "driver/enter_bet.h"
#include "driver/group_vote.h"
#include "driver/submit_group.h"
#include "driver/vote_form_steps.h"
#include "driver/vote_log_watch.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace driver {

namespace {

// The run's own copy of what it reads of the settings and of the driver,
// taken on the window thread when the run starts.
struct RunSnapshot {
    base::Settings settings;
    DriverState state;
    bool autoMode = false;
};

void copyLiveState(const DriverState& from, DriverState& to) {
    to.scaleX = from.scaleX.load();
    to.scaleY = from.scaleY.load();
    to.entry = from.entry;
    to.entriesPending = from.entriesPending.load();
}

std::shared_ptr<RunSnapshot> takeSnapshot(const BetRun& run) {
    auto snapshot = std::make_shared<RunSnapshot>();
    snapshot->settings = run.driver.settings;
    snapshot->autoMode = run.control.autoMode.load() != 0;
    LoadDriverSettings(snapshot->settings, snapshot->state);
    SetRunFlags(snapshot->state, snapshot->settings, run.control.timerBetRun(), snapshot->settings.skipAnn);
    copyLiveState(run.driver.state, snapshot->state);
    // The run's progress is shown from the live state.
    snapshot->state.progress = run.driver.state.progress;
    return snapshot;
}

// 2 unless a stop was requested before the thread got going.
void markRunning(base::RunState& runState) {
    std::int16_t current = runState.load();
    while (current != base::kRunStopRequested && !runState.compare_exchange_weak(current, base::kRunRunning)) {
    }
}

class Runner {
public:
    Runner(BetRun& run, RunSnapshot& snapshot, plat::Hwnd listEdit)
        : run_(run),
          snapshot_(snapshot),
          driver_{snapshot.state, run.driver.terms, run.driver.betFile, snapshot.settings, run.driver.notifier,
                  run.driver.programClock},
          listEdit_(listEdit),
          list_(listEdit) {
        driver_.mainWindow = run.driver.mainWindow.load();
    }

    void run();

private:
    enum class GroupEnd { Entered, Stopped, Failed };

    bool stopRequested() const { return run_.runState.load() == base::kRunStopRequested; }
    void countEntered(int count, int totalYen) {
        run_.list.listCount.store(count);
        run_.list.listTotal.store(totalYen);
    }
    GroupEnd enterGroup(std::vector<GroupBet>& group, int& total);
    bool settle(const std::vector<GroupBet>& group, const std::vector<clientdata::VoteLogRecord>& records);
    void markDone(const std::vector<GroupBet>& group) {
        for (const GroupBet& bet : group) done_[static_cast<std::size_t>(bet.line)] = true;
    }
    void end(bool failed);

    BetRun& run_;
    RunSnapshot& snapshot_;
    PatDriver driver_;
    plat::Hwnd listEdit_;
    base::EditBetList list_;
    int lineCount_ = 0;
    int next_ = 0;             // the next line to read
    std::vector<bool> done_;   // lines to take out of the list at the end
    bool linesLeft_ = false;   // a line stays that the run has not placed
};

void Runner::run() {
    markRunning(run_.runState);
    DriverState& state = driver_.state;
    // Boxes a run before left up (nothing of this run is in the client yet).
    AnswerClientBoxes(state);
    if (state.entriesPending.load() && !ClearClientEntries(state)) {
        ShowDriverText(driver_.notifier, driver_.mainWindow.load(), base::kTextClearVoteForm);
        return end(true);
    }
    RunProgress& progress = *state.progress;
    progress.begin();
    if (ConnectClient(driver_, kConnectForBetting) != 0) return end(true);
    // The list ends with a line break: its last line is empty and not read
    // (a last line with text in it is not placed, so it stays).
    lineCount_ = std::max(0, list_.lineCount() - 1);
    done_.assign(static_cast<std::size_t>(lineCount_), false);
    const plat::Lresult lastStart = plat::sendMessage(listEdit_, plat::EM_LINEINDEX, lineCount_, 0);
    if (plat::sendMessage(listEdit_, plat::EM_LINELENGTH, static_cast<plat::Wparam>(lastStart), 0) > 0)
        linesLeft_ = true;
    progress.count(lineCount_, std::max(1, snapshot_.settings.betDivideUnit));

    int groupNumber = 0;
    while (next_ < lineCount_) {
        ResetEntryMemory(state);
        progress.group = ++groupNumber;
        std::vector<GroupBet> group;
        int total = 0;
        if (enterGroup(group, total) != GroupEnd::Entered) return end(true);
        // Entered but not submitted: the group stays in the list.
        if (stopRequested()) return end(true);
        if (total < 1) {
            markDone(group);  // nothing of it is sold: nothing to submit
            continue;
        }
        const VoteLogWatch logs(state.clientPath);
        const SubmitResult result = SubmitGroup(driver_, total);
        switch (result) {
        case SubmitResult::Failed: {
            // The vote may have gone through all the same, its answer
            // missed: a log it wrote says which bets the centre took.
            const std::vector<clientdata::VoteLogRecord> records = logs.newRecords();
            if (!records.empty() && settle(group, records)) state.entriesPending = false;
            return end(true);
        }
        case SubmitResult::LeftToUser:
            markDone(group);
            // The vote form takes nothing more until the user has answered
            // the confirmation: what follows stays in the list.
            if (next_ < lineCount_) {
                linesLeft_ = true;
                return end(false);
            }
            break;
        case SubmitResult::Voted:
        case SubmitResult::Unconfirmed: {
            const std::vector<clientdata::VoteLogRecord> records = logs.newRecords();
            // A box without a result or a log is no accepted vote.
            if (result == SubmitResult::Unconfirmed && records.empty()) {
                ClientStepFailed(driver_);
                return end(true);
            }
            if (!settle(group, records)) return end(true);
            state.entriesPending = false;
            break;
        }
        }
    }
    end(false);
}

Runner::GroupEnd Runner::enterGroup(std::vector<GroupBet>& group, int& total) {
    const int groupSize = std::max(1, snapshot_.settings.betDivideUnit);
    int count = 0;
    countEntered(count, total);
    while (next_ < lineCount_ && count < groupSize) {
        if (stopRequested()) return GroupEnd::Stopped;
        driver_.state.progress->line = next_ + 1;
        char line[kRunnerLineBytes];
        const std::size_t length = list_.readLine(next_, line, sizeof line);
        base::ReadBackBet bet;
        if (!base::ReadBackLine(line, bet)) {
            // Text that is no canonical line (never parsed, or damaged) is
            // not a bet the run can place: it stays; empty lines go.
            if (length > 0) linesLeft_ = true;
            else done_[static_cast<std::size_t>(next_)] = true;
            ++next_;
            continue;
        }
        if (count == 0 && BetAllowedByTerms(driver_.terms, kDayToday, bet) && !GroupMayStart(driver_))
            return GroupEnd::Failed;
        int entered = 0;
        if (!EnterBet(driver_, kDayToday, bet, entered)) return GroupEnd::Failed;
        group.push_back({next_, bet, entered > 0});
        if (entered > 0) {
            ++count;
            total += bet.amountYen;
            countEntered(count, total);
        }
        ++next_;
    }
    return GroupEnd::Entered;
}

// The vote went through: its log says which bets the centre took.  False
// when a bet entered is not in it: it may still wait in the client, so no
// further group may be entered.
bool Runner::settle(const std::vector<GroupBet>& group, const std::vector<clientdata::VoteLogRecord>& records) {
    const std::vector<BetOutcome> outcomes = MatchVote(group, records);
    bool accounted = true;
    for (std::size_t i = 0; i < group.size(); ++i) {
        const auto line = static_cast<std::size_t>(group[i].line);
        switch (outcomes[i].fate) {
        case BetFate::Placed: done_[line] = true; break;
        case BetFate::Refused:
            run_.refused.push_back({AsBetLine(group[i].bet), outcomes[i].status});
            // AUTO mode goes on with the day (FinishRun records the refusal);
            // in manual mode the bet stays for the user.
            if (snapshot_.autoMode) done_[line] = true;
            else linesLeft_ = true;
            break;
        case BetFate::Missing:
            linesLeft_ = true;
            driver_.state.entriesPending = true;
            accounted = false;
            break;
        }
    }
    return accounted;
}

void Runner::end(bool failed) {
    DriverState& state = driver_.state;
    // Nothing entered may stay behind for a later vote; when the client
    // cannot be closed now, the next run tries before it enters anything.
    if (failed && state.entriesPending.load()) ClearClientEntries(state);
    RemoveDoneLines(listEdit_, done_);
    copyLiveState(state, run_.driver.state);
    state.progress->step = RunStep::Finished;
    run_.runState.store(failed || linesLeft_ ? base::kRunFailed : base::kRunFinished);
}

}  // namespace

void RemoveDoneLines(plat::Hwnd listEdit, const std::vector<bool>& done) {
    // From the end, so the line numbers of the runs still to remove hold.
    for (std::size_t end = done.size(); end > 0;) {
        if (!done[end - 1]) {
            --end;
            continue;
        }
        std::size_t start = end - 1;
        while (start > 0 && done[start - 1]) --start;
        const plat::Lresult from = plat::sendMessage(listEdit, plat::EM_LINEINDEX, start, 0);
        const plat::Lresult to = plat::sendMessage(listEdit, plat::EM_LINEINDEX, end, 0);
        if (from >= 0 && to > from) {
            plat::sendMessage(listEdit, plat::EM_SETSEL, static_cast<plat::Wparam>(from), to);
            plat::sendMessage(listEdit, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(""));
        }
        end = start;
    }
}

plat::ThreadId StartBetRunner(BetRun& run, plat::Hwnd listEdit) {
    run.refused.clear();
    std::shared_ptr<RunSnapshot> snapshot = takeSnapshot(run);
    return plat::startThread([&run, snapshot, listEdit] {
        plat::WaitCursor waitCursor;
        Runner(run, *snapshot, listEdit).run();
    });
}

}  // namespace driver

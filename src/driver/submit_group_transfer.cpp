#include "driver/submit_group_transfer.h"

#include "driver/bet_runner_failure.h"
#include "driver/client_box.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/vote_result.h"
#include "driver/submit_group.h"
#include "driver/submit_group_controls.h"
#include "driver/window_waits.h"
#include "platform/clock.h"

namespace driver {

namespace {

constexpr int kVotePresses = 10;
constexpr std::uint32_t kTransferFormActionWaits = 4;  // for the 通信 form to open
constexpr int kTransferOkPresses = 6;
constexpr std::uint32_t kTransferStartActionWaits = 8;  // for its ＯＫ to hide
// Rounds without any answer and without the 通信 form before the run gives up.
constexpr int kSilentRounds = 10;

// "ＯＫ" on the 通信 form until it hides: the transfer is running.
bool startTransfer(PatDriver& driver) {
    const DriverState& state = driver.state;
    const Waits waits = CurrentWaits(state);
    const plat::Hwnd ok = WaitOnForm(state, kCommunicationOk, waits.windowOpen / 2);
    for (int press = 0; press < kTransferOkPresses; ++press) {
        if (ClickOnForm(state, kCommunicationOk) == 0) return false;
        if (WaitHidden(state, ok, Times(kTransferStartActionWaits, waits.action))) return true;
    }
    return false;
}

// Presses the box's OK once it is there; how the box was answered does not
// change what it said.
void acknowledge(const DriverState& driver, const FormControl& ok) {
    WaitClientBoxText(driver, ok, CurrentWaits(driver).windowOpen);
    AnswerClientBox(driver, ok);
}

enum class Answer { Accepted, ForceAgain, Failed };

// An error box: 10001 went through; 11028 asks for a forced vote when Force
// Mode is on; anything else is a failure.
Answer readErrorBox(const PatDriver& driver) {
    const DriverState& state = driver.state;
    const std::uint32_t glance = CurrentWaits(state).message;
    if (WaitClientBoxText(state, kError10001Text, glance) != 0) {
        acknowledge(state, kError10001Ok);
        return Answer::Accepted;
    }
    if (state.flags.forceMode.load() == 0) return Answer::Failed;
    if (WaitClientBoxText(state, kError11028Text, glance) == 0) return Answer::Failed;
    acknowledge(state, kError11028Ok);
    return Answer::ForceAgain;
}

}  // namespace

PressOutcome PressUntilTransfer(const DriverState& driver, const FormControl& button, bool checkTotal) {
    const Waits waits = CurrentWaits(driver);
    for (int press = 0; press < kVotePresses; ++press) {
        ClickOnForm(driver, button);
        plat::sleep(waits.action);
        if (WaitForm(driver, kCommunicationForm, Times(kTransferFormActionWaits, waits.action)) != 0)
            return PressOutcome::Transfer;
        if (checkTotal && FindOnForm(driver, kTotalWrongText) != 0) return PressOutcome::TotalWrong;
    }
    return PressOutcome::NoTransfer;
}

VoteAnswer RunTransferAndAwaitAnswer(PatDriver& driver, int totalYen) {
    const DriverState& state = driver.state;
    const auto failed = [&driver] {
        ClientStepFailed(driver);
        return VoteAnswer::Failed;
    };
    if (!startTransfer(driver)) return failed();
    std::uint32_t transferStart = plat::tickCount();
    int silentRounds = 0;
    int resubmissions = 0;
    for (;;) {
        const Waits waits = CurrentWaits(state);
        plat::sleep(waits.action);
        if (WaitForm(state, kClientInfoBox, waits.message) != 0) {
            acknowledge(state, kVoteAcceptedOk);
            // The result form follows an accepted vote's box; it is closed,
            // so the vote form takes input again.
            const bool result = WaitForm(state, kVoteResultForm, waits.windowOpen) != 0;
            CloseVoteResult(state);
            return result ? VoteAnswer::Accepted : VoteAnswer::BoxOnly;
        }
        if (WaitForm(state, kClientErrorBox, waits.message) != 0) {
            const Answer answer = readErrorBox(driver);
            if (answer == Answer::Accepted) return VoteAnswer::Accepted;
            if (answer == Answer::Failed || ++resubmissions > kMaxForcedResubmissions) return failed();
            if (!TypeTotal(state, totalYen)) return failed();
            if (PressUntilTransfer(state, kConfirmForcedVote, false) != PressOutcome::Transfer || !startTransfer(driver))
                return failed();
            transferStart = plat::tickCount();
            continue;
        }
        if (WaitForm(state, kCommunicationForm, waits.message) != 0) {
            // Still transferring: not counted, but not for ever either.
            if (plat::tickCount() - transferStart > kVoteTransferLimitMs) return failed();
            continue;
        }
        if (++silentRounds >= kSilentRounds) return failed();
    }
}

}  // namespace driver

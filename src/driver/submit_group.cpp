#include "driver/submit_group.h"

#include "base/strings.h"
#include "driver/bet_runner_failure.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/form_ready.h"
#include "driver/input.h"
#include "driver/submit_group_controls.h"
#include "driver/submit_group_transfer.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

// How long the amount-confirmation form may take to open.
constexpr std::uint32_t kConfirmFormWaitMs = 5000;
// Pause before the vote is sent, for the form to take the total.
constexpr std::uint32_t kBeforeVoteActionWaits = 3;

SubmitResult failed(PatDriver& driver) {
    ClientStepFailed(driver);
    return SubmitResult::Failed;
}

}  // namespace

bool TypeTotal(const DriverState& driver, int yen) {
    const plat::Hwnd form = plat::findWindow(kAmountConfirmForm.className, kAmountConfirmForm.caption);
    if (form == 0) return false;
    const plat::Hwnd field = ChildCovering(form, form, Scaled(driver, kConfirmTotalAt), plat::WS_TABSTOP);
    if (field == 0) return false;
    TypeDigits(driver, field, yen);
    return true;
}

bool GroupMayStart(PatDriver& driver) {
    if (driver.state.flags.autoPat.load() != 1 || InBettingHours(ProgramHour(driver))) return true;
    FailWith(driver, base::kMsgOutsideHours);
    return false;
}

SubmitResult SubmitGroup(PatDriver& driver, int totalYen) {
    DriverState& state = driver.state;
    // Nothing can be sent outside the reception hours: nothing is pressed,
    // and the run ends as failed, keeping its lines.
    if (!GroupMayStart(driver)) return SubmitResult::Failed;
    state.progress->step = RunStep::Total;
    ClickOnForm(state, kVoteSubmit);
    if (WaitForm(state, kAmountConfirmForm, kConfirmFormWaitMs) == 0 ||
        !WaitConfirmFormReady(state, CurrentWaits(state).windowOpen))
        return failed(driver);
    if (state.flags.accInp.load() == 1 && !TypeTotal(state, totalYen)) return failed(driver);
    if (state.flags.autoPat.load() != 1) {
        // The entries are the user's to send now: a later failure must not
        // close the client under the confirmation.
        state.entriesPending = false;
        return SubmitResult::LeftToUser;
    }
    plat::sleep(Times(kBeforeVoteActionWaits, CurrentWaits(state).action));
    const bool forced = driver.settings.forceTouhyo == 1 || state.entry.sameBracketSeen == 1;
    state.progress->step = RunStep::Vote;
    switch (PressUntilTransfer(state, forced ? kConfirmForcedVote : kConfirmNormalVote, true)) {
    case PressOutcome::Transfer:
        switch (RunTransferAndAwaitAnswer(driver, totalYen)) {
        case VoteAnswer::Failed: return SubmitResult::Failed;
        case VoteAnswer::BoxOnly: return SubmitResult::Unconfirmed;
        case VoteAnswer::Accepted: break;
        }
        state.entriesPending = false;
        return SubmitResult::Voted;
    case PressOutcome::TotalWrong:
    case PressOutcome::NoTransfer: break;
    }
    return failed(driver);
}

}  // namespace driver

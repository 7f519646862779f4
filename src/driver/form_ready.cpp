#include "driver/form_ready.h"

#include <functional>

#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/submit_group_controls.h"
#include "driver/vote_form_steps.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

bool pollUntil(const DriverState& driver, std::uint32_t timeoutMs, const std::function<bool()>& complete) {
    const Waits waits = CurrentWaits(driver);
    for (std::uint32_t attempt = WaitAttempts(timeoutMs, waits.message); attempt > 0; --attempt) {
        if (complete()) return true;
        plat::sleep(waits.message);
    }
    return complete();
}

bool allFound(const DriverState& driver, std::initializer_list<FormControl> controls) {
    for (const FormControl& c : controls)
        if (FindOnForm(driver, c) == 0) return false;
    return true;
}

// A framed list is there with its list (the frame's first child).
bool listFound(const DriverState& driver, const FormControl& frame) {
    const plat::Hwnd found = FindOnForm(driver, frame);
    return found != 0 && plat::getWindow(found, plat::GW_CHILD) != 0;
}

bool voteFormComplete(const DriverState& driver) {
    for (const FormControl& frame : {kVoteVenueFrame, kVoteDayFrame, kVoteRaceFrame})
        if (!listFound(driver, frame)) return false;
    for (const FormControl& option : kVoteKindOptions)
        if (FindOnForm(driver, option) == 0) return false;
    for (const FormControl& key : kVoteDigitKeys)
        if (FindOnForm(driver, key) == 0) return false;
    return allFound(driver, {kVoteWheelOption, kVoteNormalOption, kVoteClearKey, kVoteConfirmBet, kVoteSubmit}) &&
           FindNumberGrid(driver) != 0;
}

bool confirmFormComplete(const DriverState& driver) {
    const plat::Hwnd form = plat::findWindow(kAmountConfirmForm.className, kAmountConfirmForm.caption);
    return form != 0 && ChildCovering(form, form, Scaled(driver, kConfirmTotalAt), plat::WS_TABSTOP) != 0 &&
           allFound(driver, {kConfirmNormalVote, kConfirmForcedVote});
}

}  // namespace

bool WaitVoteFormReady(DriverState& driver, plat::Hwnd form, std::uint32_t timeoutMs) {
    if (form == driver.completeVoteForm) return true;
    if (!pollUntil(driver, timeoutMs, [&] { return voteFormComplete(driver); })) return false;
    driver.completeVoteForm = form;
    return true;
}

bool WaitConfirmFormReady(const DriverState& driver, std::uint32_t timeoutMs) {
    return pollUntil(driver, timeoutMs, [&] { return confirmFormComplete(driver); });
}

}  // namespace driver

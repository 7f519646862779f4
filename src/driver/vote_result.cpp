#include "driver/vote_result.h"

#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kResultClosePresses = 6;

bool resultFormThere() { return plat::findWindow(kVoteResultForm.className, kVoteResultForm.caption) != 0; }

}  // namespace

bool CloseVoteResult(const DriverState& driver, std::uint32_t appearMs) {
    const Waits waits = CurrentWaits(driver);
    if (!resultFormThere() && (appearMs == 0 || WaitForm(driver, kVoteResultForm, appearMs) == 0)) return true;
    if (FindOnForm(driver, kVoteResultClose) == 0 && WaitOnForm(driver, kVoteResultClose, waits.windowOpen) == 0)
        return false;
    for (int press = 0; press < kResultClosePresses; ++press) {
        ClickOnForm(driver, kVoteResultClose);
        plat::sleep(waits.action);
        if (WaitOnForm(driver, kVoteResultClose, waits.message) == 0) return true;
    }
    return false;
}

}  // namespace driver

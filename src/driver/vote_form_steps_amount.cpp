// The amount on the vote form's keypad, in units of 100 yen.
#include <string>

#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/vote_form_steps.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"

namespace driver {

namespace {

constexpr int kYenPerUnit = 100;
constexpr int kNoAmount = -1;  // nothing entered since the group began

}  // namespace

bool EnterAmount(DriverState& driver, int yen) {
    const int units = yen / kYenPerUnit;
    if (units == driver.entry.amountUnits) return true;
    if (units < 1) return false;
    // After a reset the keypad may still show an amount of an earlier run.
    // Otherwise the client starts a new amount with the first digit after
    // the last bet's "Ｏ　Ｋ".
    if (driver.entry.amountUnits == kNoAmount && ClickOnForm(driver, kVoteClearKey) == 0) return false;
    driver.entry.amountUnits = units;
    for (const char digit : std::to_string(units)) {
        if (ClickOnForm(driver, kVoteDigitKeys[static_cast<std::size_t>(digit - '0')]) == 0) return false;
    }
    plat::sleep(CurrentWaits(driver).message);
    return true;
}

}  // namespace driver

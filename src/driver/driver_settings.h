// Handing the settings to the client driver.
#pragma once

#include "base/settings.h"
#include "driver/driver_state.h"

namespace driver {

// Copies the client path ("Pat95 Dir"), the decoded user ID and password and
// the timing values ("Message Wait", "Action Wait" in ms, "Window Open Wait"
// in s, kept in ms) into the driver's state.
void LoadDriverSettings(const base::Settings& settings, DriverState& driver);

// Sets the four driver flags (1 = on).
void SetDriverFlags(DriverState& driver, int accInp, int autoPat, int skipAnn, int forceMode);

// The flags of a bet run or a terms refresh: "AccInp", "AutoPat" and "Force
// Mode" from the settings with the given SkipAnn; a run started from a
// timer-bet file in AUTO mode types the total, submits, fetches the terms
// and forces the vote on error 11028 whatever the settings say.
void SetRunFlags(DriverState& driver, const base::Settings& settings, bool timerBetRun, int skipAnn);

}  // namespace driver

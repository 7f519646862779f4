// Handing the settings to the client driver.
#pragma once

#include "app/settings.h"
#include "driver/driver_state.h"

namespace driver {

// Copies the client path ("Pat95 Dir"), the decoded user ID and password and
// the timing values ("Message Wait", "Action Wait" in ms, "Window Open Wait"
// in s, kept in ms) into the driver's state.
void LoadDriverSettings(const app::Settings& settings, DriverState& driver);

// Sets the four driver flags (1 = on).
void SetDriverFlags(DriverState& driver, int accInp, int autoPat, int skipAnn, int forceMode);

}  // namespace driver

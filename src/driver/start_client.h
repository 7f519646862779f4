// Starting the client and the steps between its forms that the connection
// and the other client operations share.
#pragma once

#include <string>

#include "driver/driver_state.h"
#include "driver/pat_driver.h"

namespace driver {

// True when the login form is there within 3000 ms; otherwise opens the
// client's executable (working directory: its directory) and waits
// WindowOpenWait for the login form.
bool StartClient(const DriverState& driver, const std::string& exePath);

// Makes the menu form ready to be pressed: restores it when minimized and
// waits for its 投  票 and パドック buttons, then calibrates to it.  -1
// without a message when the menu form is not there; -1 after 8141 when it
// cannot be restored or its buttons do not appear.
int PrepareMenuForm(PatDriver& driver);

// Opens the vote form from the venue guide by pressing the first enabled
// racecourse button.  Which venue does not matter: bet entry selects each
// bet's venue itself.  False after 30 rounds.
bool ChooseFirstVenue(DriverState& driver);

}  // namespace driver

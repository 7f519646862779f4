// Quitting the client through its menu form.
#pragma once

#include "driver/pat_driver.h"

namespace driver {

// Presses 終　了 on the menu form and answers the client's confirmation
// with はい(&Y), then waits for the menu form to go.  0 when it went or the
// client was not running; -1 after 8141.
int CloseClient(PatDriver& driver);

// The same without telling the user: false when the client could not be
// closed.
bool QuitClient(DriverState& driver);

}  // namespace driver

// Bringing the client back to a vote form with nothing entered, using only
// the controls the driver knows: the boxes the client left up are answered,
// then the client is closed through its menu.  The next connection starts
// it again, with an empty vote form.
#pragma once

#include "driver/driver_state.h"

namespace driver {

// Presses "OK" on every "ﾒｯｾｰｼﾞ" and "ｴﾗｰﾒｯｾｰｼﾞ" box the client shows (up to
// a few rounds); true when none is left.
bool AnswerClientBoxes(const DriverState& driver);

// Answers the client's boxes and closes the client, so that nothing entered
// is left in it; clears entriesPending.  False (nothing changed) when the
// client could not be closed, or its vote form stayed.  Tells the user
// nothing.
bool ClearClientEntries(DriverState& driver);

}  // namespace driver

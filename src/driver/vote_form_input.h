// Choosing items and options on the client's vote form.
#pragma once

#include "driver/driver_state.h"

namespace driver {

// Selects itemText (exact) in the combo box that is the first child of the
// frame whose caption begins with framePrefix at (x, y) on the vote form:
// clicks into the combo box, then moves the selection with the left and
// right arrow keys and waits for it to arrive.  Three rounds; false when
// the frame or the combo box is missing or the item was not selected.
bool SelectComboItem(const DriverState& driver, const char* framePrefix, const char* itemText, int x, int y);

// Checks the option button whose caption begins with captionPrefix at
// (x, y) on the vote form when it is enabled.  False only when it is not
// there.
bool CheckOption(const char* captionPrefix, int x, int y);

}  // namespace driver

// Choosing an item of one of the client's drop-down lists the way a hand
// would: a click into the list, then arrow keys until the item is selected.
#pragma once

#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// The arrow keys that move a list's selection back and forward.
struct ComboKeys {
    plat::Wparam back = 0;
    plat::Wparam forward = 0;
};

// Clicks into the combo box at the form point (x, y) (as the combo box's own
// client coordinates: x + form.left - combo.left, ...), then up to three
// rounds: find itemText exactly among the items, press the key towards it
// as often as the indexes differ, and poll the selection up to 30 times.
// False when the item was not selected after three rounds.
bool SelectInCombo(const DriverState& driver, plat::Hwnd combo, const char* itemText, int x, int y, ComboKeys keys);

}  // namespace driver

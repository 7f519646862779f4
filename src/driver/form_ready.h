// A client form that has appeared is not ready before every control the
// driver operates on it is there: the client creates a form's controls one
// after the other, so a search may find a half-built form.  These waits
// poll until it is complete (a complete form costs one look and no pause).
#pragma once

#include <cstdint>

#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// The vote form, calibrated to: its three lists, kind and method options,
// number grid, keypad, "Ｏ　Ｋ" and "投  票".  False when it is still
// incomplete after timeoutMs.  A form found complete before is not looked
// at again.
bool WaitVoteFormReady(DriverState& driver, plat::Hwnd form, std::uint32_t timeoutMs);

// The amount-confirmation form: its total field and both vote buttons.
bool WaitConfirmFormReady(const DriverState& driver, std::uint32_t timeoutMs);

}  // namespace driver

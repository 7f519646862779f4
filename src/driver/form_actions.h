// The window primitives applied to a client form at design positions,
// scaled with the factors in force (set by the last calibration).
#pragma once

#include <cstdint>

#include "driver/client_forms.h"
#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

plat::Point Scaled(const DriverState& driver, DesignPoint point);

// CalibrateScale to the form's design size.
bool CalibrateTo(DriverState& driver, const ClientForm& form);

plat::Hwnd WaitForm(const DriverState& driver, const ClientForm& form, std::uint32_t timeoutMs);
plat::Hwnd FindOnForm(const DriverState& driver, const FormControl& control);
plat::Hwnd WaitOnForm(const DriverState& driver, const FormControl& control, std::uint32_t timeoutMs);
plat::Hwnd ClickOnForm(const DriverState& driver, const FormControl& control);

// The top-level window a control belongs to.
plat::Hwnd TopLevelOf(plat::Hwnd window);

// The first direct child of parent (first child, then next siblings) whose
// window rectangle, taken relative to form's window rectangle, holds the
// point (bounds inclusive) and whose style has every bit of requiredStyle.
plat::Hwnd ChildCovering(plat::Hwnd parent, plat::Hwnd form, plat::Point at, plat::Dword requiredStyle = 0);

}  // namespace driver

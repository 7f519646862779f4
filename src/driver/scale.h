// Position scaling: client controls are addressed by design-time
// coordinates of their form, converted to the form's actual size.
#pragma once

#include "driver/driver_state.h"

namespace driver {

// Sets ScaleX / ScaleY to the window's width and height (window rectangle)
// over the design size.  When the window is not there (callers look for it
// first, but it may close in between) or a design size is 0, the factors in
// force are kept and the result is false.
bool CalibrateScale(DriverState& driver, const char* className, const char* caption, int refWidth,
                    int refHeight);

// A design coordinate times the factor, truncated toward zero.
int ScaleXPos(const DriverState& driver, int x);
int ScaleYPos(const DriverState& driver, int y);

}  // namespace driver

// Waiting for a client window to hide, and restoring a minimized one.
#pragma once

#include <cstdint>

#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// Polls the window's style as WaitTopWindow polls; true as soon as
// WS_VISIBLE is clear (a window that no longer exists has no style left).
bool WaitHidden(const DriverState& driver, plat::Hwnd window, std::uint32_t timeoutMs);

// True at once when the window is not minimized.  Otherwise rounds of one
// SC_RESTORE request followed by up to ten ActionWait sleeps that end when
// the window is restored; true when a round starts restored.  The fourth
// round is the last and gives false, so at most four requests are posted.
bool RestoreIfMinimized(const DriverState& driver, plat::Hwnd window);

}  // namespace driver

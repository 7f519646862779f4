// Pressing and typing into the client's windows by posting mouse and
// keyboard messages, as a user's hand would.
#pragma once

#include <cstdint>

#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// Up to three posts; ActionWait after each failed one.  False after the
// third failure.
bool PostWithRetry(const DriverState& driver, plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                   plat::Lparam lParam);

// A click at the client point (5, 5): mouse move, button down, button up,
// each posted with up to ten attempts (2 x MessageWait after a failed one),
// MessageWait after the move and after the down.  0 without posting when
// the window is 0 or disabled; 0 when a message could not be posted.
plat::Hwnd ClickWindow(const DriverState& driver, plat::Hwnd window);
// ClickWindow(FindControlByCaption(...)) and
// ClickWindow(FindControlByCaptionAnywhere(...)).
plat::Hwnd ClickControl(const DriverState& driver, const char* className, const char* caption, int x,
                        int y, const char* captionPrefix);
plat::Hwnd ClickControlAnywhere(const DriverState& driver, const char* className, const char* caption,
                                const char* captionPrefix);

// The pauses after each message of a ClickAt; every use states its own.
struct ClickPauses {
    std::uint32_t afterMove = 0;
    std::uint32_t afterDown = 0;
    std::uint32_t afterUp = 0;
};
// A click at a client point of the window (grids and lists), each message
// through PostWithRetry.  False, and the rest not posted, when one failed.
bool ClickAt(const DriverState& driver, plat::Hwnd window, plat::Point point, ClickPauses pauses);

// Polls FindDeepestAt WindowOpenWait / MessageWait times (none when
// WindowOpenWait < MessageWait), MessageWait after each poll, then posts one
// WM_CHAR per byte of text.  False when nothing was found or text is null.
bool TypeTextAt(const DriverState& driver, const char* className, const char* caption, int x, int y,
                const char* text);

// One WM_CHAR per decimal digit of a positive number, most significant
// first, without pauses.  Nothing for 0 or less.
void TypeDigits(const DriverState& driver, plat::Hwnd window, long long number);

}  // namespace driver

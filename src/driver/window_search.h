// Finding the client's windows and the controls inside them.
//
// Top-level candidates are the windows from findWindow(className, caption)
// onward in z-order whose class name and caption equal the given ones
// byte for byte, so several forms of the same name are all tried.  Inside a
// candidate the tree is walked depth-first, a window before its children,
// children in GW_CHILD / GW_HWNDNEXT order; the first match wins.  A point
// (x, y) is given relative to the candidate's window rectangle and
// translated into each child's window rectangle on the way down.  Captions
// and class names are read into 256-byte buffers and compared as bytes.
#pragma once

#include <cstdint>

#include "driver/driver_state.h"
#include "platform/wintypes.h"

namespace driver {

// Polls findWindow WaitAttempts(timeoutMs) times, sleeping MessageWait after
// every poll (the successful one included).  0 when not found.
plat::Hwnd WaitTopWindow(const DriverState& driver, const char* className, const char* caption,
                         std::uint32_t timeoutMs);

// A window whose caption begins with captionPrefix and whose client area
// holds the point (bounds inclusive).
plat::Hwnd FindControlByCaption(const char* className, const char* caption, int x, int y,
                                const char* captionPrefix);
// The same search in one window's tree only, the point relative to that
// window's rectangle.
plat::Hwnd FindControlByCaptionIn(plat::Hwnd root, int x, int y, const char* captionPrefix);
// The same with the class name beginning with classPrefix.
plat::Hwnd FindControlByClass(const char* className, const char* caption, int x, int y,
                              const char* classPrefix);
// A window without children whose client area holds the point.
plat::Hwnd FindControlAt(const char* className, const char* caption, int x, int y);
// The first window whose caption begins with captionPrefix, wherever it is.
plat::Hwnd FindControlByCaptionAnywhere(const char* className, const char* caption,
                                        const char* captionPrefix);
// From findWindow's window only: descends into the first child whose window
// rectangle (relative to its parent's) holds the point, until a window
// without children; 0 when some level has children and none holds it.
plat::Hwnd FindDeepestAt(const char* className, const char* caption, int x, int y);

// FindControlByCaption / FindControlByClass polled as WaitTopWindow polls.
plat::Hwnd WaitControlByCaption(const DriverState& driver, const char* className, const char* caption,
                                int x, int y, const char* captionPrefix, std::uint32_t timeoutMs);
plat::Hwnd WaitControlByClass(const DriverState& driver, const char* className, const char* caption,
                              int x, int y, const char* classPrefix, std::uint32_t timeoutMs);

}  // namespace driver

// A top-level window's frame: its placement (normal rectangle and show
// state, as GetWindowPlacement / SetWindowPlacement), the size limits it
// gives while the user drags its frame (WM_GETMINMAXINFO), and its icons.
#pragma once

#include "platform/wintypes.h"

namespace plat {

// WINDOWPLACEMENT: its record length is 44 bytes on Windows.
constexpr Uint kWindowPlacementLength = 44;

struct WindowPlacement {
    Uint length = kWindowPlacementLength;
    Uint flags = 0;
    Uint showCommand = SW_SHOWNORMAL;  // SW_SHOWNORMAL, SW_SHOWMINIMIZED or SW_SHOWMAXIMIZED
    Point minPosition{-1, -1};
    Point maxPosition{-1, -1};
    Rect normalPosition;               // screen pixels, the restored rectangle
};
bool getWindowPlacement(Hwnd window, WindowPlacement& placement);
bool setWindowPlacement(Hwnd window, const WindowPlacement& placement);

// MINMAXINFO, handed in lParam of WM_GETMINMAXINFO filled with the system's
// values; the window may change them.
struct MinMaxInfo {
    Point reserved;
    Point maxSize;
    Point maxPosition;
    Point minTrackSize;
    Point maxTrackSize;
};

// Icons of the program's resources, by resource id (never destroyed).
using Hicon = std::uintptr_t;
Hicon loadIcon(int resourceId);

}  // namespace plat

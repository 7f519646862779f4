// What the dialog logic shared by every backend (dialog_logic.cpp) asks of
// the backend that runs the dialog windows.  Internal to src/platform.
#pragma once

#include "platform/wintypes.h"

namespace plat {

// The first control that takes the focus: enabled, visible and a tab stop,
// or else the first control.
Hwnd firstFocusControl(Hwnd dialog);

// Default handling of a message the dialog object leaves unhandled.
Lresult defaultDialogMessage(Hwnd dialog, Uint message, Wparam wParam, Lparam lParam);

}  // namespace plat

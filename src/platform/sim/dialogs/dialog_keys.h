// The keyboard in the message loop of a modal window, as the window system's
// dialog manager handles it: Tab and Shift+Tab move the focus along the tab
// stops, Enter presses the focused push button or else the default one,
// Escape presses ｷｬﾝｾﾙ (IDCANCEL), the arrow keys move among the option
// buttons of a group, and a mnemonic ("はい(&Y)": Y, or Alt+Y) presses its
// button.  A control keeps the keys it asks for with WM_GETDLGCODE (an edit
// its characters and arrows, a bet list that keeps Enter its Enter).
#pragma once

#include "platform/window.h"

namespace sim {

// Handles msg when it is keyboard input for the dialog or one of its
// controls that the dialog takes for itself; true when handled (the message
// is then not dispatched).
bool isDialogMessage(plat::Hwnd dialog, const plat::Msg& msg);

// A WM_KEYDOWN of a key that stands for a character (Enter, Tab, Backspace,
// Escape, Space) queues that WM_CHAR on the calling thread, ahead of what
// is already queued, as the loop's translation of keys into characters does.
void translateMessage(const plat::Msg& msg);

}  // namespace sim

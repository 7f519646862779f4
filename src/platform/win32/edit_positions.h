// Positions in an ANSI edit control are bytes of its Shift-JIS text on
// Windows, and the program counts on that.  Some systems that run Windows
// programs (Wine) count them in characters instead.  When this system's edit
// controls count characters — found out once, with an edit control of its
// own — the position messages the program sends to its own edit controls
// are translated, so that they answer in bytes as on Windows.  Limits
// (EM_LIMITTEXT) still count characters there.  Internal to
// src/platform/win32.
#pragma once

#include <optional>

#include <windows.h>

namespace win32 {

// Sends the message with its positions translated; nullopt when it needs no
// translation (then it is sent as it is).
std::optional<LRESULT> sendEditMessageInBytes(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win32

// The Windows headers for the Win32 backend.  Internal to src/platform/win32.
//
// The platform API declares constants with Win32's own names (WM_COMMAND,
// IDOK, ...), which <windows.h> defines as macros; so the API headers come
// first and <windows.h> after them.  From here on the backend uses the
// Windows macros, which have the same values.
#pragma once

#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/dialog_backend.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/window.h"
#include "platform/wintypes.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

namespace win32 {

inline HWND hwnd(plat::Hwnd window) { return reinterpret_cast<HWND>(window); }
inline plat::Hwnd handle(HWND window) { return reinterpret_cast<plat::Hwnd>(window); }

// The module the programs' classes and dialogs belong to.
inline HINSTANCE instance() { return GetModuleHandleA(nullptr); }

// UTF-16 of Shift-JIS text (dialog templates hold UTF-16).
std::wstring wide(const std::string& cp932);

}  // namespace win32

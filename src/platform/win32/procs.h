// Window procedures on Windows: the plat::WndProc of every window of our
// classes and of every subclassed window, and the one Windows procedure that
// calls them.  Internal to src/platform/win32.
#pragma once

#include "platform/win32/windows_api.h"

namespace win32 {

// A procedure of Windows itself (a standard control's), wrapped so that it
// travels as a plat::WndProc: registering it again makes a superclass, and
// calling it calls the real procedure.
struct NativeProc {
    WNDPROC proc = nullptr;
    plat::Lresult operator()(plat::Hwnd window, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam) const;
};

// The Windows procedure of our classes and subclassed windows.  It hands a
// window's messages to its plat::WndProc, with WM_CREATE's lParam being the
// createParam of plat::createWindow (as the API promises) instead of the
// CREATESTRUCT.
LRESULT CALLBACK procedureOfWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Classes registered through the API, by atom.
void rememberClass(ATOM atom, plat::WndProc proc);
plat::WndProc procOfClass(ATOM atom);

// The plat::WndProc a window's messages go to now (empty when Windows'
// own procedure handles them).
plat::WndProc procOfWindow(HWND window);
void setProcOfWindow(HWND window, plat::WndProc proc);

}  // namespace win32

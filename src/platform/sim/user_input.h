// The person at the keyboard and the mouse: the virtual keys, the messages
// and the dialog codes of keyboard input, and the input a front end or a test
// gives the desktop on the person's behalf.
//
// Part of the harness: the program never sends these (it types into other
// programs' windows with WM_CHAR and the arrow keys of the platform API).
// Each function posts from the calling thread (the harness, or a thread of
// the "user" program) to the window given, normally the focus window.
#pragma once

#include <string>

#include "platform/window.h"

namespace sim {

// ---- virtual keys (beyond the platform API's) ----
constexpr plat::Wparam VK_TAB = 0x09;
constexpr plat::Wparam VK_SHIFT = 0x10;
constexpr plat::Wparam VK_SPACE = 0x20;
constexpr plat::Wparam VK_END = 0x23;
constexpr plat::Wparam VK_HOME = 0x24;
constexpr plat::Wparam VK_DELETE = 0x2E;

constexpr plat::Wparam kRightButtonDown = 0x0002;  // MK_RBUTTON

// The system menu opened from the keyboard (Alt+Space, F10): WM_SYSCOMMAND
// with this value makes the window's default handling track its system menu.
constexpr plat::Wparam SC_KEYMENU = 0xF100;

// ---- messages ----
constexpr plat::Uint WM_SYSCHAR = 0x0106;  // Alt + a character: a dialog's mnemonic
constexpr plat::Uint WM_GETDLGCODE = 0x0087;
constexpr plat::Uint CB_GETDROPPEDSTATE = 0x0157;  // whether a combo box's list is open

// ---- what a control asks of its dialog's keyboard handling (WM_GETDLGCODE;
// wParam is the key of the WM_KEYDOWN being looked at, 0 for none) ----
constexpr plat::Lresult DLGC_WANTARROWS = 0x0001;
constexpr plat::Lresult DLGC_WANTTAB = 0x0002;
constexpr plat::Lresult DLGC_WANTMESSAGE = 0x0004;  // wants this key itself (Enter in a list)
constexpr plat::Lresult DLGC_HASSETSEL = 0x0008;    // an edit: its text is selected on Tab
constexpr plat::Lresult DLGC_DEFPUSHBUTTON = 0x0010;
constexpr plat::Lresult DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr plat::Lresult DLGC_RADIOBUTTON = 0x0040;
constexpr plat::Lresult DLGC_WANTCHARS = 0x0080;
constexpr plat::Lresult DLGC_STATIC = 0x0100;
constexpr plat::Lresult DLGC_BUTTON = 0x2000;

// A key pressed and released: WM_KEYDOWN and WM_KEYUP, with VK_SHIFT going
// down before and up after when shift is held.  A dialog's message loop
// takes Tab, Enter, Escape and the arrow keys for its own navigation when
// the control does not want them, and turns the other keys that stand for a
// character (Enter, Tab, Backspace, Escape, Space) into WM_CHAR.
void pressKey(plat::Hwnd target, plat::Wparam key, bool shift = false);

// Text typed, as an input method delivers it: one WM_CHAR per byte of the
// Shift-JIS text (a double-byte character arrives as its two bytes).
void typeChars(plat::Hwnd target, const std::string& cp932);

// Alt + a character: WM_SYSCHAR (a dialog presses the button it names).
void typeAltChar(plat::Hwnd target, char c);

enum class MouseButton { Left, Right };
// A click at a point of the window's client area: the mouse moves there,
// the button goes down and comes up.
void click(plat::Hwnd target, plat::Point clientPoint, MouseButton button = MouseButton::Left);

// The character a caption or menu entry marks with '&' as its mnemonic
// ("はい(&Y)": 'Y'), upper-cased; 0 for none ("&&" is a plain '&').
char mnemonicOf(const std::string& caption);

// Whether a key is down as the threads have taken the keyboard messages off
// their queues so far (VK_SHIFT for Shift+Tab).
bool keyIsDown(plat::Wparam key);

}  // namespace sim

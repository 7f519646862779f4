// Basic types and the numeric constants of the window system.
//
// The platform API is shaped like the Win32 calls the program makes; message,
// style and result values are Win32's own numbers, so traces and window dumps
// read like the real thing.  Names are ours (namespace plat).
#pragma once

#include <cstdint>

namespace plat {

using Hwnd = std::uintptr_t;  // window handle; 0 = none
using Uint = unsigned int;
using Wparam = std::uintptr_t;
using Lparam = std::intptr_t;
using Lresult = std::intptr_t;
using Dword = std::uint32_t;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// lParam packing of mouse positions: x in the low word, y in the high word.
constexpr Lparam makeLparam(int lo, int hi) {
    return static_cast<Lparam>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) |
                               static_cast<std::uint32_t>(lo & 0xFFFF));
}
constexpr Wparam makeWparam(int lo, int hi) {
    return static_cast<Wparam>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) |
                               static_cast<std::uint32_t>(lo & 0xFFFF));
}
constexpr int loWord(std::uintptr_t v) { return static_cast<int>(v & 0xFFFF); }
constexpr int hiWord(std::uintptr_t v) { return static_cast<int>((v >> 16) & 0xFFFF); }
// Signed coordinates out of an lParam (as GET_X_LPARAM / GET_Y_LPARAM).
constexpr int xFromLparam(Lparam l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int yFromLparam(Lparam l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

// ---- window messages ----
constexpr Uint WM_NULL = 0x0000;
constexpr Uint WM_CREATE = 0x0001;
constexpr Uint WM_DESTROY = 0x0002;
constexpr Uint WM_MOVE = 0x0003;
constexpr Uint WM_SIZE = 0x0005;
constexpr Uint WM_ACTIVATE = 0x0006;
constexpr Uint WM_SETFOCUS = 0x0007;
constexpr Uint WM_KILLFOCUS = 0x0008;
constexpr Uint WM_ENABLE = 0x000A;
constexpr Uint WM_SETREDRAW = 0x000B;
constexpr Uint WM_SETTEXT = 0x000C;
constexpr Uint WM_GETTEXT = 0x000D;
constexpr Uint WM_GETTEXTLENGTH = 0x000E;
constexpr Uint WM_PAINT = 0x000F;
constexpr Uint WM_CLOSE = 0x0010;
constexpr Uint WM_QUIT = 0x0012;
constexpr Uint WM_SHOWWINDOW = 0x0018;
constexpr Uint WM_GETMINMAXINFO = 0x0024;
constexpr Uint WM_NEXTDLGCTL = 0x0028;
constexpr Uint WM_GETICON = 0x007F;
constexpr Uint WM_SETICON = 0x0080;
constexpr Uint WM_NCDESTROY = 0x0082;
constexpr Uint WM_KEYDOWN = 0x0100;
constexpr Uint WM_KEYUP = 0x0101;
constexpr Uint WM_CHAR = 0x0102;
constexpr Uint WM_INITDIALOG = 0x0110;
constexpr Uint WM_COMMAND = 0x0111;
constexpr Uint WM_SYSCOMMAND = 0x0112;
constexpr Uint WM_TIMER = 0x0113;
constexpr Uint WM_MOUSEMOVE = 0x0200;
constexpr Uint WM_LBUTTONDOWN = 0x0201;
constexpr Uint WM_LBUTTONUP = 0x0202;
constexpr Uint WM_RBUTTONDOWN = 0x0204;
constexpr Uint WM_RBUTTONUP = 0x0205;
constexpr Uint WM_CUT = 0x0300;
constexpr Uint WM_COPY = 0x0301;
constexpr Uint WM_PASTE = 0x0302;
constexpr Uint WM_CLEAR = 0x0303;
constexpr Uint WM_USER = 0x0400;
constexpr Uint WM_CANCELMODE = 0x001F;

// ---- edit control ----
constexpr Uint EM_GETSEL = 0x00B0;
constexpr Uint EM_SETSEL = 0x00B1;
constexpr Uint EM_SCROLLCARET = 0x00B7;
constexpr Uint EM_GETLINECOUNT = 0x00BA;
constexpr Uint EM_LINEINDEX = 0x00BB;
constexpr Uint EM_LINELENGTH = 0x00C1;
constexpr Uint EM_REPLACESEL = 0x00C2;
constexpr Uint EM_GETLINE = 0x00C4;
constexpr Uint EM_LIMITTEXT = 0x00C5;
constexpr Uint EM_LINEFROMCHAR = 0x00C9;
constexpr Uint EM_SETREADONLY = 0x00CF;
constexpr Uint EM_GETLIMITTEXT = 0x00D5;
constexpr Uint EN_CHANGE = 0x0300;

// ---- button ----
constexpr Uint BM_GETCHECK = 0x00F0;
constexpr Uint BM_SETCHECK = 0x00F1;
constexpr Uint BM_CLICK = 0x00F5;
constexpr Wparam BST_UNCHECKED = 0;
constexpr Wparam BST_CHECKED = 1;
constexpr Uint BN_CLICKED = 0;

// ---- combo box ----
constexpr Uint CB_ADDSTRING = 0x0143;
constexpr Uint CB_GETCOUNT = 0x0146;
constexpr Uint CB_GETCURSEL = 0x0147;
constexpr Uint CB_GETLBTEXT = 0x0148;
constexpr Uint CB_GETLBTEXTLEN = 0x0149;
constexpr Uint CB_RESETCONTENT = 0x014B;
constexpr Uint CB_SETCURSEL = 0x014E;
constexpr Uint CB_SHOWDROPDOWN = 0x014F;
constexpr Lresult CB_ERR = -1;
constexpr Uint CBN_SELCHANGE = 1;

// ---- window styles ----
constexpr Dword WS_OVERLAPPED = 0x00000000;
constexpr Dword WS_POPUP = 0x80000000;
constexpr Dword WS_CHILD = 0x40000000;
constexpr Dword WS_MINIMIZE = 0x20000000;
constexpr Dword WS_VISIBLE = 0x10000000;
constexpr Dword WS_DISABLED = 0x08000000;
constexpr Dword WS_CLIPSIBLINGS = 0x04000000;
constexpr Dword WS_CLIPCHILDREN = 0x02000000;
constexpr Dword WS_MAXIMIZE = 0x01000000;
constexpr Dword WS_CAPTION = 0x00C00000;
constexpr Dword WS_BORDER = 0x00800000;
constexpr Dword WS_DLGFRAME = 0x00400000;
constexpr Dword WS_VSCROLL = 0x00200000;
constexpr Dword WS_HSCROLL = 0x00100000;
constexpr Dword WS_SYSMENU = 0x00080000;
constexpr Dword WS_THICKFRAME = 0x00040000;
constexpr Dword WS_GROUP = 0x00020000;
constexpr Dword WS_TABSTOP = 0x00010000;
constexpr Dword WS_MINIMIZEBOX = 0x00020000;
constexpr Dword WS_MAXIMIZEBOX = 0x00010000;

constexpr Dword ES_LEFT = 0x0000;
constexpr Dword ES_MULTILINE = 0x0004;
constexpr Dword ES_UPPERCASE = 0x0008;
constexpr Dword ES_LOWERCASE = 0x0010;
constexpr Dword ES_PASSWORD = 0x0020;
constexpr Dword ES_AUTOVSCROLL = 0x0040;
constexpr Dword ES_AUTOHSCROLL = 0x0080;
constexpr Dword ES_READONLY = 0x0800;
constexpr Dword ES_WANTRETURN = 0x1000;
constexpr Dword ES_NUMBER = 0x2000;

constexpr Dword BS_PUSHBUTTON = 0x0000;
constexpr Dword BS_DEFPUSHBUTTON = 0x0001;
constexpr Dword BS_CHECKBOX = 0x0002;
constexpr Dword BS_AUTOCHECKBOX = 0x0003;
constexpr Dword BS_RADIOBUTTON = 0x0004;
constexpr Dword BS_GROUPBOX = 0x0007;
constexpr Dword BS_AUTORADIOBUTTON = 0x0009;
constexpr Dword BS_TYPEMASK = 0x000F;

constexpr Dword CBS_DROPDOWNLIST = 0x0003;
constexpr Dword SS_LEFT = 0x0000;

// ---- window relations, show commands, system commands ----
constexpr Uint GW_HWNDFIRST = 0;
constexpr Uint GW_HWNDLAST = 1;
constexpr Uint GW_HWNDNEXT = 2;
constexpr Uint GW_HWNDPREV = 3;
constexpr Uint GW_OWNER = 4;
constexpr Uint GW_CHILD = 5;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

constexpr Wparam ICON_SMALL = 0;
constexpr Wparam ICON_BIG = 1;

constexpr Wparam SC_SIZE = 0xF000;
constexpr Wparam SC_MOVE = 0xF010;
constexpr Wparam SC_MINIMIZE = 0xF020;
constexpr Wparam SC_MAXIMIZE = 0xF030;
constexpr Wparam SC_CLOSE = 0xF060;
constexpr Wparam SC_RESTORE = 0xF120;

// ---- input ----
constexpr Wparam MK_LBUTTON = 0x0001;
constexpr Wparam VK_BACK = 0x08;
constexpr Wparam VK_ESCAPE = 0x1B;
constexpr Wparam VK_RETURN = 0x0D;
constexpr Wparam VK_LEFT = 0x25;
constexpr Wparam VK_UP = 0x26;
constexpr Wparam VK_RIGHT = 0x27;
constexpr Wparam VK_DOWN = 0x28;

// ---- message boxes ----
constexpr Uint MB_OK = 0x0000;
constexpr Uint MB_OKCANCEL = 0x0001;
constexpr Uint MB_YESNO = 0x0004;
constexpr Uint MB_TYPEMASK = 0x000F;
constexpr Uint MB_ICONHAND = 0x0010;
constexpr Uint MB_ICONQUESTION = 0x0020;
constexpr Uint MB_ICONEXCLAMATION = 0x0030;
constexpr Uint MB_ICONASTERISK = 0x0040;
constexpr Uint MB_ICONMASK = 0x00F0;
constexpr Uint MB_SIMPLEBEEP = 0xFFFFFFFF;  // messageBeep: the plain speaker beep

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// ---- system ----
constexpr Uint EWX_POWEROFF = 0x0008;
constexpr Uint SND_ASYNC = 0x0001;
constexpr Uint SND_NODEFAULT = 0x0002;
constexpr Uint HELP_QUIT = 0x0002;
constexpr Uint HELP_FINDER = 0x000B;

constexpr Dword REG_SZ = 1;
constexpr Dword REG_BINARY = 3;

}  // namespace plat

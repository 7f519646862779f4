// Windows, window procedures, messages and timers.
//
// Semantics follow Win32 for everything the program uses:
// - Top-level windows are children of the desktop window.  A new top-level
//   window goes to the top of the z-order; a new child goes to the bottom of
//   its siblings, so GW_CHILD / GW_HWNDNEXT walk children in creation order
//   (the tab order of a dialog).
// - Window rectangles are in screen pixels.  A top-level window with a caption
//   has a caption bar and a border, so its client area starts below and right
//   of its window rectangle; child positions passed to createWindow/moveWindow
//   are relative to the parent's client area.
// - findWindow looks at top-level windows only (visible or not), from the top
//   of the z-order; a null argument matches anything.
// - postMessage queues to the thread that owns the window; sendMessage calls
//   the window procedure and returns its result.  A send to a window of
//   another thread is handed to that thread and processed when it next waits
//   for messages (as Win32 does), the sender blocking until then.
// - Text is Shift-JIS bytes.  getWindowText/getClassName read into a buffer of
//   the given size, so at most size - 1 bytes come back.
#pragma once

#include <functional>
#include <string>

#include "platform/wintypes.h"

namespace plat {

using WndProc = std::function<Lresult(Hwnd, Uint, Wparam, Lparam)>;

// ---- classes ----
// Registers a window class.  Registering an existing name fails (false).
// The standard classes "Edit", "Button", "ComboBox", "Static" and the dialog
// class "#32770" always exist; a program may register further classes with a
// standard class's procedure (superclassing) to give controls its own class
// names.
bool registerClass(const std::string& className, WndProc proc);
WndProc classProc(const std::string& className);  // empty when unknown

// ---- creation and destruction ----
struct CreateParams {
    std::string className;
    std::string caption;
    Dword style = 0;
    Dword exStyle = 0;
    Rect rect;         // screen pixels (top-level) or parent client pixels (WS_CHILD)
    Hwnd parent = 0;   // WS_CHILD windows: the parent
    Hwnd owner = 0;    // top-level windows: the owner (0 = none)
    int id = 0;        // control id (child windows)
    void* createParam = nullptr;  // handed to WM_CREATE in lParam
};
// Creates the window on the calling thread; WM_CREATE is sent before it
// returns.  Returns 0 when the class is unknown or the parent is invalid.
Hwnd createWindow(const CreateParams& params);
// Destroys the window, its children and the windows it owns (WM_DESTROY,
// then WM_NCDESTROY to each).
bool destroyWindow(Hwnd window);
bool isWindow(Hwnd window);

// ---- search and relations ----
Hwnd findWindow(const char* className, const char* caption);
Hwnd getWindow(Hwnd window, Uint relation);  // GW_* values
Hwnd getDesktopWindow();
// The parent of a child window; for a top-level pop-up (WS_POPUP) its owner,
// as Windows answers; 0 for other top-level windows.
Hwnd getParent(Hwnd window);
Hwnd getDlgItem(Hwnd parent, int id);
int getDlgCtrlId(Hwnd window);

// ---- attributes ----
std::string getClassName(Hwnd window, std::size_t bufferSize = 256);
std::string getWindowText(Hwnd window, std::size_t bufferSize = 256);
bool setWindowText(Hwnd window, const std::string& text);  // sends WM_SETTEXT
bool getWindowRect(Hwnd window, Rect& rect);                // screen pixels
bool getClientRect(Hwnd window, Rect& rect);                // left = top = 0
bool clientToScreen(Hwnd window, Point& point);
bool screenToClient(Hwnd window, Point& point);
Dword getStyle(Hwnd window);
Dword getExStyle(Hwnd window);
void setStyle(Hwnd window, Dword style);
bool isIconic(Hwnd window);
bool isWindowEnabled(Hwnd window);
bool isWindowVisible(Hwnd window);  // the window and all its parents visible

bool enableWindow(Hwnd window, bool enable);  // sends WM_ENABLE when it changes
bool showWindow(Hwnd window, int command);    // SW_* values
// rect: screen pixels for top-level windows, parent client pixels for children.
bool moveWindow(Hwnd window, const Rect& rect, bool repaint = true);

bool setForegroundWindow(Hwnd window);  // also brings it to the top of the z-order
Hwnd getForegroundWindow();
// Inverts (or restores) the caption highlight; returns whether the caption
// was active before the call.
bool flashWindow(Hwnd window, bool invert);
Hwnd setFocus(Hwnd window);  // returns the window that had the focus
Hwnd getFocus();

// ---- procedures and per-window data ----
// Replaces the window procedure (subclassing) and returns the previous one.
WndProc setWindowProc(Hwnd window, WndProc proc);
Lresult callWindowProc(const WndProc& proc, Hwnd window, Uint message, Wparam wParam, Lparam lParam);
// Default handling: WM_SETTEXT/WM_GETTEXT/WM_GETTEXTLENGTH on the caption,
// WM_SYSCOMMAND SC_MINIMIZE/SC_RESTORE/SC_CLOSE, WM_CLOSE destroys the window.
Lresult defWindowProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam);
// One pointer of user data per window (as GWLP_USERDATA); the owner of the
// pointed-to object frees it, typically on WM_NCDESTROY.
void setWindowData(Hwnd window, void* data);
void* getWindowData(Hwnd window);

// ---- messages ----
bool postMessage(Hwnd window, Uint message, Wparam wParam, Lparam lParam);
Lresult sendMessage(Hwnd window, Uint message, Wparam wParam, Lparam lParam);
void postQuitMessage(int exitCode);

struct Msg {
    Hwnd hwnd = 0;
    Uint message = 0;
    Wparam wParam = 0;
    Lparam lParam = 0;
};
// Waits for the next message of the calling thread (posted messages, then
// due timers).  Returns false when the message is WM_QUIT.
bool getMessage(Msg& msg);
bool peekMessage(Msg& msg, bool remove);
Lresult dispatchMessage(const Msg& msg);

// Runs a nested message loop for a modal window: disables its owner, pumps
// the calling thread's messages (timers keep arriving) until endModal is
// called for the window, re-enables the owner and returns the result.  A
// WM_QUIT ends the loop too (it is posted again for the outer loop; the
// result is then IDCANCEL).
int runModalLoop(Hwnd window);
void endModal(Hwnd window, int result);

// ---- timers ----
// WM_TIMER (wParam = id) is delivered to the window every periodMs while the
// owning thread waits for messages; a timer that fell due several times while
// the thread was busy is delivered once.
Uint setTimer(Hwnd window, Uint id, Uint periodMs);
bool killTimer(Hwnd window, Uint id);

}  // namespace plat

// Windows: creation, search, relations and attributes, on USER32.
#include "platform/win32/windows_api.h"

#include <vector>

namespace plat {

using win32::handle;
using win32::hwnd;

Hwnd createWindow(const CreateParams& params) {
    const bool child = (params.style & WS_CHILD) != 0;
    const Rect& r = params.rect;
    const HWND window = CreateWindowExA(
        params.exStyle, params.className.c_str(), params.caption.c_str(), params.style, r.left, r.top,
        r.width(), r.height(), hwnd(child ? params.parent : params.owner),
        child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)) : nullptr, win32::instance(),
        params.createParam);
    return handle(window);
}

bool destroyWindow(Hwnd window) { return DestroyWindow(hwnd(window)) != 0; }
bool isWindow(Hwnd window) { return window != 0 && IsWindow(hwnd(window)) != 0; }

Hwnd findWindow(const char* className, const char* caption) { return handle(FindWindowA(className, caption)); }
Hwnd getWindow(Hwnd window, Uint relation) { return handle(GetWindow(hwnd(window), relation)); }
Hwnd getDesktopWindow() { return handle(GetDesktopWindow()); }

Hwnd getParent(Hwnd window) {
    // GetParent answers the owner for a top-level window; the API does not.
    if ((GetWindowLongA(hwnd(window), GWL_STYLE) & WS_CHILD) == 0) return 0;
    return handle(GetParent(hwnd(window)));
}

Hwnd getDlgItem(Hwnd parent, int id) { return handle(GetDlgItem(hwnd(parent), id)); }
int getDlgCtrlId(Hwnd window) { return GetDlgCtrlID(hwnd(window)); }

std::string getClassName(Hwnd window, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize, '\0');
    const int n = GetClassNameA(hwnd(window), buffer.data(), static_cast<int>(bufferSize));
    return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string getWindowText(Hwnd window, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::vector<char> buffer(bufferSize, '\0');
    const int n = GetWindowTextA(hwnd(window), buffer.data(), static_cast<int>(bufferSize));
    return std::string(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

bool setWindowText(Hwnd window, const std::string& text) {
    // Sent rather than SetWindowTextA, which changes only the caption of
    // another process's window.
    return isWindow(window) && SendMessageA(hwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

namespace {

Rect rectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool getWindowRect(Hwnd window, Rect& rect) {
    RECT r;
    if (!GetWindowRect(hwnd(window), &r)) return false;
    rect = rectOf(r);
    return true;
}

bool getClientRect(Hwnd window, Rect& rect) {
    RECT r;
    if (!GetClientRect(hwnd(window), &r)) return false;
    rect = rectOf(r);
    return true;
}

bool clientToScreen(Hwnd window, Point& point) {
    POINT p{point.x, point.y};
    if (!ClientToScreen(hwnd(window), &p)) return false;
    point = {p.x, p.y};
    return true;
}

bool screenToClient(Hwnd window, Point& point) {
    POINT p{point.x, point.y};
    if (!ScreenToClient(hwnd(window), &p)) return false;
    point = {p.x, p.y};
    return true;
}

Dword getStyle(Hwnd window) { return static_cast<Dword>(GetWindowLongA(hwnd(window), GWL_STYLE)); }
Dword getExStyle(Hwnd window) { return static_cast<Dword>(GetWindowLongA(hwnd(window), GWL_EXSTYLE)); }
void setStyle(Hwnd window, Dword style) { SetWindowLongA(hwnd(window), GWL_STYLE, static_cast<LONG>(style)); }
bool isIconic(Hwnd window) { return IsIconic(hwnd(window)) != 0; }
bool isWindowEnabled(Hwnd window) { return IsWindowEnabled(hwnd(window)) != 0; }
bool isWindowVisible(Hwnd window) { return IsWindowVisible(hwnd(window)) != 0; }
bool enableWindow(Hwnd window, bool enable) { return EnableWindow(hwnd(window), enable) != 0; }
bool showWindow(Hwnd window, int command) { return ShowWindow(hwnd(window), command) != 0; }

bool moveWindow(Hwnd window, const Rect& rect, bool repaint) {
    return MoveWindow(hwnd(window), rect.left, rect.top, rect.width(), rect.height(), repaint) != 0;
}

bool setForegroundWindow(Hwnd window) { return SetForegroundWindow(hwnd(window)) != 0; }
Hwnd getForegroundWindow() { return handle(GetForegroundWindow()); }
bool flashWindow(Hwnd window, bool invert) { return FlashWindow(hwnd(window), invert) != 0; }
Hwnd setFocus(Hwnd window) { return handle(SetFocus(hwnd(window))); }
Hwnd getFocus() { return handle(GetFocus()); }

}  // namespace plat

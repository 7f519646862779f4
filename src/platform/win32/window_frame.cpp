// Window placement, size limits and icons on USER32.
#include "platform/window_frame.h"

#include "platform/win32/windows_api.h"

#include <cstddef>

namespace plat {

// The main window reads WM_GETMINMAXINFO's lParam as a MinMaxInfo.
static_assert(sizeof(MinMaxInfo) == sizeof(MINMAXINFO));
static_assert(offsetof(MinMaxInfo, minTrackSize) == offsetof(MINMAXINFO, ptMinTrackSize));
static_assert(offsetof(MinMaxInfo, maxTrackSize) == offsetof(MINMAXINFO, ptMaxTrackSize));

namespace {

Point pointOf(const POINT& p) { return {p.x, p.y}; }
POINT nativePoint(const Point& p) { return {p.x, p.y}; }

}  // namespace

bool getWindowPlacement(Hwnd window, WindowPlacement& placement) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(win32::hwnd(window), &wp)) return false;
    placement.length = wp.length;
    placement.flags = wp.flags;
    placement.showCommand = wp.showCmd;
    placement.minPosition = pointOf(wp.ptMinPosition);
    placement.maxPosition = pointOf(wp.ptMaxPosition);
    const RECT& r = wp.rcNormalPosition;
    placement.normalPosition = {r.left, r.top, r.right, r.bottom};
    return true;
}

bool setWindowPlacement(Hwnd window, const WindowPlacement& placement) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    wp.flags = placement.flags;
    wp.showCmd = placement.showCommand;
    wp.ptMinPosition = nativePoint(placement.minPosition);
    wp.ptMaxPosition = nativePoint(placement.maxPosition);
    const Rect& r = placement.normalPosition;
    wp.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
    return SetWindowPlacement(win32::hwnd(window), &wp) != 0;
}

Hicon loadIcon(int resourceId) {
    return reinterpret_cast<Hicon>(LoadIconA(win32::instance(), MAKEINTRESOURCEA(resourceId)));
}

}  // namespace plat

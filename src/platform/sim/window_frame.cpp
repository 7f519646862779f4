// Window placement and icons of the simulated desktop.
#include "platform/window_frame.h"

#include "platform/sim/desktop_impl.h"
#include "platform/window.h"

namespace {

// Icon handles stand for the resource they were loaded from.
constexpr plat::Hicon kIconHandleBase = 0x20000;

}  // namespace

namespace plat {

bool getWindowPlacement(Hwnd window, WindowPlacement& placement) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || !w->topLevel) return false;
    placement = {};
    placement.showCommand = (w->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                            : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                       : SW_SHOWNORMAL;
    placement.normalPosition = w->restoreRect.value_or(w->rect);
    return true;
}

bool setWindowPlacement(Hwnd window, const WindowPlacement& placement) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || !w->topLevel) return false;
    showWindow(window, SW_RESTORE);
    moveWindow(window, placement.normalPosition);
    if (placement.showCommand == SW_SHOWMINIMIZED || placement.showCommand == SW_SHOWMAXIMIZED)
        showWindow(window, static_cast<int>(placement.showCommand));
    return true;
}

Hicon loadIcon(int resourceId) { return kIconHandleBase + static_cast<Hicon>(resourceId); }

}  // namespace plat

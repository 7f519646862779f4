#include "betclient/click_surface.h"

namespace betclient {

using namespace plat;

Lresult ClickSurface::windowProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    auto* surface = static_cast<ClickSurface*>(getWindowData(window));
    if (!surface) return defWindowProc(window, message, wParam, lParam);
    return surface->handle(message, wParam, lParam);
}

void ClickSurface::attachTo(Hwnd window) {
    hwnd_ = window;
    setWindowData(window, this);
}

Lresult ClickSurface::handle(Uint message, Wparam wParam, Lparam lParam) {
    const Hwnd window = hwnd_;
    switch (message) {
    case WM_LBUTTONDOWN:
        pressed_ = isWindowEnabled(window);
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_) return 0;
        pressed_ = false;
        Rect client;
        getClientRect(window, client);
        const int region = regionAt(client.width(), client.height(), xFromLparam(lParam), yFromLparam(lParam));
        // The parent may rebuild or remove the surface: nothing of it is used after.
        if (region != 0) {
            sendMessage(getParent(window), WM_COMMAND, makeWparam(getDlgCtrlId(window), region),
                        static_cast<Lparam>(window));
        }
        return 0;
    }
    case WM_NCDESTROY:
        setWindowData(window, nullptr);
        hwnd_ = 0;
        return defWindowProc(window, message, wParam, lParam);
    default: return defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace betclient

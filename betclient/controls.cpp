#include "betclient/controls.h"

#include <memory>

#include "betclient/click_surface.h"

namespace betclient {

namespace {

using namespace plat;

// Panels draw nothing of their own and pass notifications on.
Lresult panelProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    if (message == WM_COMMAND) return sendMessage(getParent(window), message, wParam, lParam);
    return callWindowProc(classProc("Static"), window, message, wParam, lParam);
}

}  // namespace

void registerClientClasses(WndProc mainProc, WndProc formProc) {
    registerClass(kMainClass, std::move(mainProc));
    registerClass(kFormClass, std::move(formProc));
    registerClass(kPanelClass, panelProc);
    registerClass(kGridClass, ClickSurface::windowProc);
    registerClass(kListClass, ClickSurface::windowProc);
}

void passNotificationsUp(Hwnd frame) {
    auto base = std::make_shared<WndProc>();
    *base = setWindowProc(frame, [base](Hwnd window, Uint message, Wparam wParam, Lparam lParam) -> Lresult {
        if (message == WM_COMMAND) return sendMessage(getParent(window), message, wParam, lParam);
        return callWindowProc(*base, window, message, wParam, lParam);
    });
}

void notifyWhenChecked(Hwnd option) {
    auto base = std::make_shared<WndProc>();
    *base = setWindowProc(option, [base](Hwnd window, Uint message, Wparam wParam, Lparam lParam) -> Lresult {
        if (message != BM_SETCHECK || wParam != BST_CHECKED) {
            return callWindowProc(*base, window, message, wParam, lParam);
        }
        const bool wasChecked = callWindowProc(*base, window, BM_GETCHECK, 0, 0) == BST_CHECKED;
        callWindowProc(*base, window, message, wParam, lParam);
        if (!wasChecked && isWindowEnabled(window)) {
            sendMessage(getParent(window), WM_COMMAND, makeWparam(getDlgCtrlId(window), BN_CLICKED),
                        static_cast<Lparam>(window));
        }
        return 0;
    });
}

}  // namespace betclient

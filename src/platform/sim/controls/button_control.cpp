// The "Button" class: push buttons, check boxes, option (radio) buttons and
// group boxes.
//
// A click is a WM_LBUTTONDOWN followed by a WM_LBUTTONUP over the button, as
// a person makes it or a program posts it, or the space bar going down and up
// while the button has the focus; a disabled button and a group box take no
// such input.  A click toggles an automatic check box, checks an
// automatic option button (unchecking the automatic option buttons of its
// group) and tells the parent with BN_CLICKED.
#include <utility>

#include "platform/sim/controls/control_procs.h"
#include "platform/sim/controls/control_support.h"

namespace sim::controls {
namespace {

using namespace plat;

struct ButtonState {
    Wparam check = BST_UNCHECKED;
    bool pressed = false;
};

Dword buttonType(Hwnd window) { return getStyle(window) & BS_TYPEMASK; }

bool isCheckable(Dword type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON;
}

bool isOptionButton(Dword type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

// The group of a control: from the nearest sibling at or before it that has
// WS_GROUP (or the first sibling) up to the next sibling with WS_GROUP.
Hwnd groupStart(Hwnd window) {
    Hwnd at = window;
    while (!(getStyle(at) & WS_GROUP)) {
        const Hwnd previous = getWindow(at, GW_HWNDPREV);
        if (previous == 0) break;
        at = previous;
    }
    return at;
}

void uncheckOtherAutoOptions(Hwnd window) {
    const Hwnd first = groupStart(window);
    for (Hwnd sibling = first; sibling != 0; sibling = getWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (getStyle(sibling) & WS_GROUP)) break;
        if (sibling == window) continue;
        const bool option = (sendMessage(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
        if (option && buttonType(sibling) == BS_AUTORADIOBUTTON) {
            sendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

void click(Hwnd window, ButtonState& state) {
    switch (buttonType(window)) {
    case BS_AUTOCHECKBOX:
        state.check = state.check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
        break;
    case BS_AUTORADIOBUTTON:
        state.check = BST_CHECKED;
        uncheckOtherAutoOptions(window);
        break;
    default: break;
    }
    notifyParent(window, BN_CLICKED);
}

// A disabled button gets no mouse input from the user, but mouse messages
// posted to it are handled as any others, as on Windows.
bool takesMouse(Hwnd window) { return buttonType(window) != BS_GROUPBOX; }

Lresult dialogCode(Hwnd window) {
    switch (buttonType(window)) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return isOptionButton(buttonType(window)) ? DLGC_BUTTON | DLGC_RADIOBUTTON : DLGC_BUTTON;
    }
}

Lresult buttonMessage(ButtonState& state, Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    switch (message) {
    case WM_CREATE: return 0;
    case WM_GETDLGCODE: return dialogCode(window);
    case BM_GETCHECK: return isCheckable(buttonType(window)) ? static_cast<Lresult>(state.check) : 0;
    case BM_SETCHECK:
        if (isCheckable(buttonType(window))) state.check = wParam;
        return 0;
    case BM_CLICK:
        if (takesMouse(window)) click(window, state);
        return 0;
    case WM_LBUTTONDOWN:
        if (takesMouse(window)) {
            state.pressed = true;
            setFocus(window);
        }
        return 0;
    case WM_LBUTTONUP: {
        const bool wasPressed = state.pressed;
        state.pressed = false;
        if (wasPressed && takesMouse(window) && pointOnWindow(window, lParam)) click(window, state);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && takesMouse(window)) state.pressed = true;
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && std::exchange(state.pressed, false) && takesMouse(window)) click(window, state);
        return 0;
    case WM_MOUSEMOVE: return 0;
    default: return defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

WndProc makeButtonProc() { return statefulProc<ButtonState>(buttonMessage); }

}  // namespace sim::controls

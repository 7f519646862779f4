#include "platform/sim/dialogs/dialog_keys.h"

#include <algorithm>
#include <vector>

#include "platform/dialog.h"
#include "platform/sim/message_queue.h"
#include "platform/sim/user_input.h"

namespace sim {

namespace {

using plat::Hwnd;

bool belongsTo(Hwnd dialog, Hwnd window) {
    for (Hwnd w = window; w != 0; w = plat::getParent(w)) {
        if (w == dialog) return true;
    }
    return false;
}

plat::Lresult dialogCode(Hwnd dialog, Hwnd control, plat::Wparam key) {
    return control != 0 && control != dialog ? plat::sendMessage(control, WM_GETDLGCODE, key, 0) : 0;
}

// The control of the dialog (its direct child) that holds a window.
Hwnd controlOf(Hwnd dialog, Hwnd window) {
    Hwnd w = window;
    while (w != 0 && plat::getParent(w) != dialog) w = plat::getParent(w);
    return w;
}

std::vector<Hwnd> controls(Hwnd dialog) {
    std::vector<Hwnd> list;
    for (Hwnd c = plat::getWindow(dialog, plat::GW_CHILD); c != 0; c = plat::getWindow(c, plat::GW_HWNDNEXT))
        list.push_back(c);
    return list;
}

bool takesFocus(Hwnd control) { return plat::isWindowVisible(control) && plat::isWindowEnabled(control); }

// The next (or previous) tab stop after `from`, round the end; 0 when the
// dialog has none.
Hwnd nextTabStop(Hwnd dialog, Hwnd from, bool backwards) {
    const std::vector<Hwnd> list = controls(dialog);
    const int n = static_cast<int>(list.size());
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (list[static_cast<std::size_t>(i)] == from) at = i;
    }
    if (at < 0) at = backwards ? 0 : n - 1;
    for (int step = 1; step <= n; ++step) {
        const int i = ((at + (backwards ? -step : step)) % n + n) % n;
        const Hwnd c = list[static_cast<std::size_t>(i)];
        if ((plat::getStyle(c) & plat::WS_TABSTOP) && takesFocus(c)) return c;
    }
    return 0;
}

void focusControl(Hwnd dialog, Hwnd control) {
    plat::setFocus(control);
    // An edit reached from the keyboard has its whole text selected.
    if (dialogCode(dialog, control, 0) & DLGC_HASSETSEL) plat::sendMessage(control, plat::EM_SETSEL, 0, -1);
}

// The group of a control: from the nearest sibling at or before it with
// WS_GROUP up to the next one with WS_GROUP.
std::vector<Hwnd> groupOf(Hwnd dialog, Hwnd control) {
    const std::vector<Hwnd> list = controls(dialog);
    std::vector<Hwnd> group;
    for (Hwnd c : list) {
        if (plat::getStyle(c) & plat::WS_GROUP) {
            if (std::find(group.begin(), group.end(), control) != group.end()) break;
            group.clear();
        }
        group.push_back(c);
    }
    return group;
}

// Up and left go to the previous option button of the group, down and right
// to the next, round the ends; the one reached is checked as a click does.
bool moveAmongOptions(Hwnd dialog, Hwnd control, bool backwards) {
    if (!(dialogCode(dialog, control, 0) & DLGC_RADIOBUTTON)) return false;
    std::vector<Hwnd> options;
    for (Hwnd c : groupOf(dialog, control)) {
        if (c == control || ((dialogCode(dialog, c, 0) & DLGC_RADIOBUTTON) && takesFocus(c))) options.push_back(c);
    }
    const auto at = std::find(options.begin(), options.end(), control) - options.begin();
    const auto n = static_cast<std::ptrdiff_t>(options.size());
    const Hwnd next = options[static_cast<std::size_t>(((at + (backwards ? -1 : 1)) % n + n) % n)];
    plat::setFocus(next);
    plat::sendMessage(next, plat::BM_CLICK, 0, 0);
    return true;
}

// The command of a button id, as a click on it gives; nothing when the
// button is there but disabled.
void pressCommand(Hwnd dialog, int id) {
    const Hwnd button = plat::getDlgItem(dialog, id);
    if (button != 0 && !plat::isWindowEnabled(button)) return;
    plat::sendMessage(dialog, plat::WM_COMMAND, plat::makeWparam(id, static_cast<int>(plat::BN_CLICKED)),
                      static_cast<plat::Lparam>(button));
}

// Enter: the focused push button, else the default push button, else IDOK.
int defaultCommand(Hwnd dialog, Hwnd focus) {
    if (dialogCode(dialog, focus, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) return plat::getDlgCtrlId(focus);
    for (Hwnd c : controls(dialog)) {
        if (dialogCode(dialog, c, 0) & DLGC_DEFPUSHBUTTON) return plat::getDlgCtrlId(c);
    }
    return plat::IDOK;
}

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Presses the button a mnemonic names, or focuses the control after the
// label that names it; false when no enabled control has it.
bool mnemonic(Hwnd dialog, char typed) {
    const char wanted = upperAscii(typed);
    if (wanted == 0 || wanted == '&') return false;
    for (Hwnd c : controls(dialog)) {
        if (mnemonicOf(plat::getWindowText(c)) != wanted || !takesFocus(c)) continue;
        const plat::Lresult code = dialogCode(dialog, c, 0);
        if (code & DLGC_STATIC) {
            const Hwnd next = nextTabStop(dialog, c, false);
            if (next != 0) focusControl(dialog, next);
        } else if (code & DLGC_BUTTON) {
            plat::setFocus(c);
            plat::sendMessage(c, plat::BM_CLICK, 0, 0);
        } else {
            focusControl(dialog, c);
        }
        return true;
    }
    return false;
}

bool keyDown(Hwnd dialog, const plat::Msg& msg) {
    const Hwnd focus = msg.hwnd;
    const plat::Lresult code = dialogCode(dialog, focus, msg.wParam);
    if (code & DLGC_WANTMESSAGE) return false;
    switch (msg.wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return false;
        const Hwnd next = nextTabStop(dialog, controlOf(dialog, focus), keyIsDown(VK_SHIFT));
        if (next != 0) focusControl(dialog, next);
        return true;
    }
    case plat::VK_LEFT:
    case plat::VK_UP:
    case plat::VK_RIGHT:
    case plat::VK_DOWN: {
        if (code & DLGC_WANTARROWS) return false;
        const bool backwards = msg.wParam == plat::VK_LEFT || msg.wParam == plat::VK_UP;
        return moveAmongOptions(dialog, controlOf(dialog, focus), backwards);
    }
    case plat::VK_RETURN: pressCommand(dialog, defaultCommand(dialog, focus)); return true;
    case plat::VK_ESCAPE: pressCommand(dialog, plat::IDCANCEL); return true;
    default: return false;
    }
}

bool isPrintable(plat::Wparam c) { return c > 0x20 && c < 0x7F; }

}  // namespace

bool isDialogMessage(Hwnd dialog, const plat::Msg& msg) {
    if (!belongsTo(dialog, msg.hwnd)) return false;
    switch (msg.message) {
    case plat::WM_KEYDOWN: return keyDown(dialog, msg);
    case plat::WM_CHAR:
        // A control that takes no characters lets its dialog's mnemonics have them.
        if ((dialogCode(dialog, msg.hwnd, 0) & DLGC_WANTCHARS) || !isPrintable(msg.wParam)) return false;
        return mnemonic(dialog, static_cast<char>(msg.wParam));
    case WM_SYSCHAR: mnemonic(dialog, static_cast<char>(msg.wParam)); return true;
    default: return false;
    }
}

void translateMessage(const plat::Msg& msg) {
    if (msg.message != plat::WM_KEYDOWN) return;
    char c = 0;
    switch (msg.wParam) {
    case plat::VK_RETURN: c = '\r'; break;
    case VK_TAB: c = '\t'; break;
    case plat::VK_BACK: c = '\b'; break;
    case plat::VK_ESCAPE: c = '\x1B'; break;
    case VK_SPACE: c = ' '; break;
    default: return;
    }
    Desktop::Impl* d = activeDesktop();
    if (d == nullptr) return;
    callerThread(*d).posted.push_front({msg.hwnd, plat::WM_CHAR, static_cast<plat::Wparam>(c), 0});
}

}  // namespace sim

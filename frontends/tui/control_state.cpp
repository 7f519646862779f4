#include "frontends/tui/control_state.h"

#include <vector>

#include "platform/sim/text_match.h"
#include "platform/sim/user_input.h"
#include "platform/window.h"

namespace tui {

namespace {

void readEditSelection(ControlState& s) {
    plat::Dword start = 0;
    plat::Dword end = 0;
    plat::sendMessage(s.hwnd, plat::EM_GETSEL, reinterpret_cast<plat::Wparam>(&start),
                      reinterpret_cast<plat::Lparam>(&end));
    s.selectionStart = start;
    s.selectionEnd = end;
}

void readComboItems(ControlState& s) {
    const plat::Lresult count = plat::sendMessage(s.hwnd, plat::CB_GETCOUNT, 0, 0);
    for (plat::Lresult i = 0; i < count; ++i) {
        const plat::Lresult length = plat::sendMessage(s.hwnd, plat::CB_GETLBTEXTLEN, static_cast<plat::Wparam>(i), 0);
        std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
        plat::sendMessage(s.hwnd, plat::CB_GETLBTEXT, static_cast<plat::Wparam>(i),
                          reinterpret_cast<plat::Lparam>(buffer.data()));
        s.items.emplace_back(buffer.data());
    }
    const plat::Lresult selected = plat::sendMessage(s.hwnd, plat::CB_GETCURSEL, 0, 0);
    s.selected = selected >= 0 ? static_cast<int>(selected) : -1;
    s.droppedDown = plat::sendMessage(s.hwnd, sim::CB_GETDROPPEDSTATE, 0, 0) != 0;
}

}  // namespace

ControlKind kindOf(const std::string& className, plat::Dword style) {
    if (className == "#32770") return ControlKind::Dialog;
    if (sim::startsWithIgnoreCase(className, "Edit")) return ControlKind::Edit;
    if (sim::startsWithIgnoreCase(className, "ComboBox")) return ControlKind::ComboBox;
    if (sim::startsWithIgnoreCase(className, "Static")) return ControlKind::Static;
    if (sim::startsWithIgnoreCase(className, "Button")) {
        switch (style & plat::BS_TYPEMASK) {
        case plat::BS_CHECKBOX:
        case plat::BS_AUTOCHECKBOX: return ControlKind::CheckBox;
        case plat::BS_RADIOBUTTON:
        case plat::BS_AUTORADIOBUTTON: return ControlKind::OptionButton;
        case plat::BS_GROUPBOX: return ControlKind::GroupBox;
        default: return ControlKind::PushButton;
        }
    }
    return ControlKind::Other;
}

std::string wholeText(plat::Hwnd window) {
    const plat::Lresult length = plat::sendMessage(window, plat::WM_GETTEXTLENGTH, 0, 0);
    return plat::getWindowText(window, static_cast<std::size_t>(length > 0 ? length : 0) + 1);
}

std::vector<plat::Hwnd> visibleChildren(plat::Hwnd parent) {
    std::vector<plat::Hwnd> children;
    for (plat::Hwnd c = plat::getWindow(parent, plat::GW_CHILD); c != 0; c = plat::getWindow(c, plat::GW_HWNDNEXT)) {
        if (plat::isWindowVisible(c)) children.push_back(c);
    }
    return children;
}

plat::Point clientOrigin(plat::Hwnd window) {
    plat::Point origin;
    plat::clientToScreen(window, origin);
    return origin;
}

ControlState readControl(plat::Hwnd window, plat::Hwnd top) {
    ControlState s;
    s.hwnd = window;
    s.className = plat::getClassName(window);
    s.style = plat::getStyle(window);
    s.kind = kindOf(s.className, s.style);
    s.text = wholeText(window);
    s.enabled = plat::isWindowEnabled(window);
    plat::Rect screen;
    plat::getWindowRect(window, screen);
    const plat::Point origin = clientOrigin(top);
    s.rect = {screen.left - origin.x, screen.top - origin.y, screen.right - origin.x, screen.bottom - origin.y};
    switch (s.kind) {
    case ControlKind::Edit: readEditSelection(s); break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        s.checked = plat::sendMessage(window, plat::BM_GETCHECK, 0, 0) == static_cast<plat::Lresult>(plat::BST_CHECKED);
        break;
    case ControlKind::ComboBox: readComboItems(s); break;
    default: break;
    }
    return s;
}

}  // namespace tui

// The "ComboBox" class as a drop-down list: a list of items of which one (or
// none) is selected; the window's text is the selected item's text.
//
// A click opens (or closes) the drop-down.  The arrow keys move the selection
// one item, clamped at the ends (from no selection to the first item), and
// each change is reported to the parent with CBN_SELCHANGE; CB_SETCURSEL
// changes it silently.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/sim/controls/control_procs.h"
#include "platform/sim/controls/control_support.h"

namespace sim::controls {
namespace {

using namespace plat;

struct ComboState {
    std::vector<std::string> items;
    int selection = -1;
    bool droppedDown = false;
};

void select(Hwnd window, ComboState& state, int index) {
    state.selection = index;
    storeCaption(window, index >= 0 ? state.items[static_cast<std::size_t>(index)] : "");
}

bool validIndex(const ComboState& state, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < state.items.size();
}

void step(Hwnd window, ComboState& state, int direction) {
    const int count = static_cast<int>(state.items.size());
    if (count == 0) return;
    const int next = state.selection < 0 ? 0 : std::clamp(state.selection + direction, 0, count - 1);
    if (next == state.selection) return;
    select(window, state, next);
    notifyParent(window, CBN_SELCHANGE);
}

Lresult setText(Hwnd window, ComboState& state, const char* text) {
    const std::string wanted = text != nullptr ? text : "";
    for (std::size_t i = 0; i < state.items.size(); ++i) {
        if (state.items[i] == wanted) {
            select(window, state, static_cast<int>(i));
            return 1;
        }
    }
    return CB_ERR;
}

Lresult comboBoxMessage(ComboState& state, Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    switch (message) {
    case WM_CREATE: select(window, state, -1); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETTEXT: return setText(window, state, reinterpret_cast<const char*>(lParam));
    case CB_ADDSTRING:
        state.items.emplace_back(lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
        return static_cast<Lresult>(state.items.size() - 1);
    case CB_RESETCONTENT:
        state.items.clear();
        select(window, state, -1);
        return 0;
    case CB_GETCOUNT: return static_cast<Lresult>(state.items.size());
    case CB_GETCURSEL: return state.selection >= 0 ? state.selection : CB_ERR;
    case CB_SETCURSEL: {
        const std::int32_t index = signedArg(wParam);
        select(window, state, validIndex(state, index) ? index : -1);
        return state.selection >= 0 ? state.selection : CB_ERR;
    }
    case CB_GETLBTEXT: {
        const std::int32_t index = signedArg(wParam);
        if (!validIndex(state, index) || lParam == 0) return CB_ERR;
        const std::string& item = state.items[static_cast<std::size_t>(index)];
        std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
        return static_cast<Lresult>(item.size());
    }
    case CB_GETLBTEXTLEN: {
        const std::int32_t index = signedArg(wParam);
        return validIndex(state, index)
                   ? static_cast<Lresult>(state.items[static_cast<std::size_t>(index)].size())
                   : CB_ERR;
    }
    case CB_SHOWDROPDOWN: state.droppedDown = wParam != 0; return 1;
    case CB_GETDROPPEDSTATE: return state.droppedDown ? 1 : 0;
    case WM_LBUTTONDOWN:
        if (isWindowEnabled(window)) {
            state.droppedDown = !state.droppedDown;
            setFocus(window);
        }
        return 0;
    case WM_KEYDOWN:
        if (!isWindowEnabled(window)) return 0;
        if (wParam == VK_DOWN || wParam == VK_RIGHT) step(window, state, +1);
        if (wParam == VK_UP || wParam == VK_LEFT) step(window, state, -1);
        return 0;
    default: return defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

WndProc makeComboBoxProc() { return statefulProc<ComboState>(comboBoxMessage); }

}  // namespace sim::controls

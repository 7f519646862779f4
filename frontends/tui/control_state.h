// What a window shows, read through the platform API from the harness
// thread between the simulated threads' turns: its kind, text, style and
// state, and where it lies in its top-level window's client area.
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tui {

enum class ControlKind { Edit, PushButton, CheckBox, OptionButton, GroupBox, Static, ComboBox, Dialog, Other };

struct ControlState {
    plat::Hwnd hwnd = 0;
    ControlKind kind = ControlKind::Other;
    std::string className;
    std::string text;       // the whole text (Shift-JIS)
    plat::Dword style = 0;
    bool enabled = true;
    plat::Rect rect;        // pixels of the top-level window's client area
    // Edits: the selection (bytes); anchor order is not kept.
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
    // Check boxes and option buttons.
    bool checked = false;
    // Combo boxes.
    std::vector<std::string> items;
    int selected = -1;
    bool droppedDown = false;
};

ControlKind kindOf(const std::string& className, plat::Dword style);

// The state of a window; top is the top-level window it belongs to.
ControlState readControl(plat::Hwnd window, plat::Hwnd top);

// A window's whole text, however long.
std::string wholeText(plat::Hwnd window);

// Visible children in creation order (the tab order).
std::vector<plat::Hwnd> visibleChildren(plat::Hwnd parent);

// Where a window's client area starts on the screen.
plat::Point clientOrigin(plat::Hwnd window);

}  // namespace tui

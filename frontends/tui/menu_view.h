// A tracked pop-up menu (the context menu, the system menu) as the terminal
// shows it: a box under the point it was opened at, an entry a row, the
// accelerator text right-aligned, separators as lines, greyed entries dim,
// and the entry the person is on highlighted.  The person moves with the
// arrow keys, chooses with Enter, a mnemonic or a click, and leaves with
// Escape or a click elsewhere.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "frontends/tui/canvas.h"
#include "platform/sim/desktop.h"

namespace tui {

constexpr const char* kMenuClass = "#32768";

struct MenuEntry {
    int id = 0;
    std::string label;        // without its mnemonic mark (Shift-JIS)
    std::string accelerator;  // after a tab ("Alt+F4")
    char mnemonic = 0;        // upper-case ASCII, 0 for none
    bool separator = false;
    bool greyed = false;
    bool choosable() const { return !separator && !greyed && id > 0; }
};

std::vector<MenuEntry> menuEntries(const sim::ModalInfo& info);

// The cells of the menu's box for its entries, at its top-left corner.
CellRect menuCells(const std::vector<MenuEntry>& entries);

// Paints the menu with its top-left corner at (row, col); the entry at
// `selected` highlighted.
void paintMenu(Canvas& canvas, plat::Hwnd window, const std::vector<MenuEntry>& entries, int selected, int row,
               int col);

// The entry the person is on in each open menu.
class MenuSelections {
public:
    // The selected entry (the first choosable one at first), -1 for none.
    int selected(plat::Hwnd menu, const std::vector<MenuEntry>& entries);
    // Moves to the next (+1) or previous (-1) choosable entry, round the ends.
    void move(plat::Hwnd menu, const std::vector<MenuEntry>& entries, int direction);
    void select(plat::Hwnd menu, int index) { selected_[menu] = index; }
    void forgetGone();

private:
    std::map<plat::Hwnd, int> selected_;
};

}  // namespace tui

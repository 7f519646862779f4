#include "frontends/tui/menu_view.h"

#include <algorithm>

#include "frontends/tui/window_painter.h"
#include "platform/sim/user_input.h"
#include "platform/window.h"

namespace tui {

namespace {

constexpr int kAcceleratorGap = 2;

int widest(const std::vector<MenuEntry>& entries) {
    int width = 0;
    for (const MenuEntry& e : entries) {
        const int accelerator = e.accelerator.empty() ? 0 : kAcceleratorGap + static_cast<int>(e.accelerator.size());
        width = std::max(width, static_cast<int>(e.label.size()) + accelerator);
    }
    return width;
}

}  // namespace

std::vector<MenuEntry> menuEntries(const sim::ModalInfo& info) {
    std::vector<MenuEntry> entries;
    for (std::size_t i = 0; i < info.menuItems.size(); ++i) {
        const auto& [id, text] = info.menuItems[i];
        MenuEntry e;
        e.id = id;
        e.separator = id == 0 && text.empty();
        e.greyed = i < info.menuGreyed.size() && info.menuGreyed[i];
        const std::size_t tab = text.find('\t');
        e.label = withoutMnemonic(text.substr(0, tab));
        if (tab != std::string::npos) e.accelerator = text.substr(tab + 1);
        e.mnemonic = sim::mnemonicOf(text.substr(0, tab));
        entries.push_back(e);
    }
    return entries;
}

CellRect menuCells(const std::vector<MenuEntry>& entries) {
    return {0, 0, widest(entries) + 4, static_cast<int>(entries.size()) + 2};
}

void paintMenu(Canvas& canvas, plat::Hwnd window, const std::vector<MenuEntry>& entries, int selected, int row,
               int col) {
    const CellRect size = menuCells(entries);
    const CellRect box{col, row, col + size.width(), row + size.height()};
    canvas.setWindow(window);
    canvas.fill(box, Style::MenuItem);
    canvas.box(box, Style::MenuItem);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& e = entries[i];
        const int r = row + 1 + static_cast<int>(i);
        if (e.separator) {
            for (int c = box.left + 1; c < box.right - 1; ++c) canvas.putCode(r, c, U'─', Style::MenuItem);
            canvas.putCode(r, box.left, U'├', Style::MenuItem);
            canvas.putCode(r, box.right - 1, U'┤', Style::MenuItem);
            continue;
        }
        const Style style = static_cast<int>(i) == selected ? Style::MenuSelected
                            : e.greyed                       ? Style::DisabledMenuItem
                                                             : Style::MenuItem;
        canvas.fill({box.left + 1, r, box.right - 1, r + 1}, style);
        canvas.text(r, box.left + 2, e.label, style, box.width() - 4);
        if (!e.accelerator.empty()) {
            const int at = box.right - 2 - static_cast<int>(e.accelerator.size());
            canvas.text(r, at, e.accelerator, style, static_cast<int>(e.accelerator.size()));
        }
    }
    canvas.setWindow(0);
}

int MenuSelections::selected(plat::Hwnd menu, const std::vector<MenuEntry>& entries) {
    const auto it = selected_.find(menu);
    if (it != selected_.end()) return it->second;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].choosable()) return selected_[menu] = static_cast<int>(i);
    }
    return selected_[menu] = -1;
}

void MenuSelections::move(plat::Hwnd menu, const std::vector<MenuEntry>& entries, int direction) {
    const int n = static_cast<int>(entries.size());
    int at = selected(menu, entries);
    for (int step = 0; step < n; ++step) {
        at = ((at + direction) % n + n) % n;
        if (entries[static_cast<std::size_t>(at)].choosable()) {
            selected_[menu] = at;
            return;
        }
    }
}

void MenuSelections::forgetGone() {
    std::erase_if(selected_, [](const auto& entry) { return !plat::isWindow(entry.first); });
}

}  // namespace tui

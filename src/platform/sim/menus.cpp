// Menus: the system menu of each window, menus built from templates, and
// pop-up menus tracked as a modal "#32768" window that the user answers.
#include <algorithm>

#include "platform/menu.h"
#include "platform/sim/backend.h"
#include "platform/sim/desktop_impl.h"
#include "platform/sim/dialogs/dialog_window.h"

namespace sim {

plat::Hmenu MenuTable::create() {
    const plat::Hmenu handle = next_;
    next_ += kHandleStep;
    menus_.emplace(handle, Menu{});
    return handle;
}

Menu* MenuTable::find(plat::Hmenu menu) {
    auto it = menus_.find(menu);
    return it == menus_.end() ? nullptr : &it->second;
}

bool MenuTable::destroy(plat::Hmenu menu) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    std::vector<plat::Hmenu> popups;
    for (const MenuItem& item : it->second.items)
        if (item.popup != 0) popups.push_back(item.popup);
    menus_.erase(it);
    for (plat::Hmenu popup : popups) destroy(popup);
    return true;
}

plat::Hmenu MenuTable::systemMenuOf(plat::Hwnd window) const {
    auto it = systemMenus_.find(window);
    return it == systemMenus_.end() ? 0 : it->second;
}

namespace {

constexpr const char* kMenuClass = "#32768";

// Layout of a tracked pop-up: a row per entry, a thinner one per separator.
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 8;
constexpr int kCharWidth = 6;
constexpr int kSideMargin = 24;

struct SystemEntry {
    plat::Wparam id;
    const char* text;
    plat::Dword needsStyle;  // greyed when the window lacks this style (0: always available)
};
constexpr SystemEntry kSystemEntries[] = {
    {plat::SC_RESTORE, "元のサイズに戻す(&R)", 0},
    {plat::SC_MOVE, "移動(&M)", 0},
    {plat::SC_SIZE, "サイズ変更(&S)", plat::WS_THICKFRAME},
    {plat::SC_MINIMIZE, "最小化(&N)", plat::WS_MINIMIZEBOX},
    {plat::SC_MAXIMIZE, "最大化(&X)", plat::WS_MAXIMIZEBOX},
    {0, nullptr, 0},
    {plat::SC_CLOSE, "閉じる(&C)\tAlt+F4", 0},
};

Desktop::Impl* desktop() { return activeDesktop(); }

MenuItem* itemAt(Desktop::Impl* d, plat::Hmenu menu, int position) {
    Menu* m = d ? d->menus.find(menu) : nullptr;
    if (!m || position < 0 || position >= static_cast<int>(m->items.size())) return nullptr;
    return &m->items[static_cast<std::size_t>(position)];
}

plat::Hmenu build(Desktop::Impl& d, const std::vector<plat::MenuItemTemplate>& items) {
    const plat::Hmenu menu = d.menus.create();
    for (const plat::MenuItemTemplate& t : items) {
        MenuItem item;
        item.text = t.text;
        if (t.separator) {
            item.flags = plat::MF_SEPARATOR;
            item.text.clear();
        } else if (!t.popup.empty()) {
            item.flags = plat::MF_POPUP;
            item.popup = build(d, t.popup);
        } else {
            item.id = t.id;
        }
        d.menus.find(menu)->items.push_back(std::move(item));
    }
    return menu;
}

// The pop-up window ends its modal loop with the id of a WM_COMMAND (the
// user's choice), or with 0 on Escape or a cancelled mode.
plat::Lresult menuWindowProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam) {
    switch (message) {
    case plat::WM_COMMAND: plat::endModal(window, plat::loWord(wParam)); return 0;
    case plat::WM_KEYDOWN:
        if (wParam == plat::VK_ESCAPE) plat::endModal(window, 0);
        return 0;
    case plat::WM_CANCELMODE: plat::endModal(window, 0); return 0;
    case plat::WM_CLOSE: plat::endModal(window, 0); return 0;
    default: return plat::defWindowProc(window, message, wParam, lParam);
    }
}

plat::Rect popupRect(const Menu& menu, int x, int y) {
    int width = 0, height = 0;
    for (const MenuItem& item : menu.items) {
        height += item.flags & plat::MF_SEPARATOR ? kSeparatorHeight : kItemHeight;
        width = std::max(width, static_cast<int>(item.text.size()) * kCharWidth);
    }
    return {x, y, x + width + 2 * kSideMargin, y + height};
}

// Shows the menu at the screen point as a modal "#32768" window until the
// user chooses or dismisses it; the id chosen, 0 when none (or one the menu
// does not offer, or greys).
int trackMenu(const Menu& menu, int x, int y) {
    if (!plat::classProc(kMenuClass)) plat::registerClass(kMenuClass, menuWindowProc);
    ModalDetails details;
    details.isMenu = true;
    for (const MenuItem& item : menu.items) {
        details.menuItems.emplace_back(static_cast<int>(item.id), item.text);
        details.menuGreyed.push_back((item.flags & plat::MF_GRAYED) != 0);
    }
    // No owner: a menu does not disable the window it belongs to.
    plat::CreateParams params;
    params.className = kMenuClass;
    params.style = plat::WS_POPUP | plat::WS_VISIBLE;
    params.rect = popupRect(menu, x, y);
    const plat::Hwnd window = plat::createWindow(params);
    if (window == 0) return 0;
    setModalDetails(window, details);
    const int chosen = plat::runModalLoop(window);
    plat::destroyWindow(window);
    for (std::size_t i = 0; i < details.menuItems.size(); ++i) {
        if (chosen > 0 && details.menuItems[i].first == chosen && !details.menuGreyed[i]) return chosen;
    }
    return 0;
}

}  // namespace

void trackSystemMenu(plat::Hwnd window) {
    const plat::Hmenu handle = plat::getSystemMenu(window);
    Desktop::Impl* d = desktop();
    const Menu* menu = d ? d->menus.find(handle) : nullptr;
    plat::Rect rect;
    plat::Point client;  // the top of the client area: just under the caption
    if (!menu || !plat::getWindowRect(window, rect) || !plat::clientToScreen(window, client)) return;
    const int chosen = trackMenu(*menu, rect.left, client.y);
    if (chosen != 0) plat::postMessage(window, plat::WM_SYSCOMMAND, static_cast<plat::Wparam>(chosen), 0);
}

}  // namespace sim

namespace plat {

Hmenu getSystemMenu(Hwnd window) {
    sim::Desktop::Impl* d = sim::desktop();
    sim::Window* w = d ? d->windows.find(window) : nullptr;
    if (!w || !(w->style & WS_SYSMENU)) return 0;
    if (const Hmenu existing = d->menus.systemMenuOf(window)) return existing;
    const Hmenu menu = d->menus.create();
    for (const sim::SystemEntry& entry : sim::kSystemEntries) {
        sim::MenuItem item;
        if (entry.text == nullptr) {
            item.flags = MF_SEPARATOR;
        } else {
            item.id = static_cast<Uint>(entry.id);
            item.text = entry.text;
            if (entry.needsStyle != 0 && !(w->style & entry.needsStyle)) item.flags = MF_GRAYED;
        }
        d->menus.find(menu)->items.push_back(std::move(item));
    }
    d->menus.setSystemMenu(window, menu);
    return menu;
}

bool appendMenu(Hmenu menu, Uint flags, Uint id, const std::string& text) {
    sim::Desktop::Impl* d = sim::desktop();
    sim::Menu* m = d ? d->menus.find(menu) : nullptr;
    if (!m) return false;
    sim::MenuItem item;
    item.flags = flags & (MF_SEPARATOR | MF_GRAYED);
    if (!(flags & MF_SEPARATOR)) {
        item.id = id;
        item.text = text;
    }
    m->items.push_back(std::move(item));
    return true;
}

Hmenu loadMenuIndirect(const MenuTemplate& menuTemplate) {
    sim::Desktop::Impl* d = sim::desktop();
    return d ? sim::build(*d, menuTemplate) : 0;
}

Hmenu getSubMenu(Hmenu menu, int position) {
    const sim::MenuItem* item = sim::itemAt(sim::desktop(), menu, position);
    return item ? item->popup : 0;
}

bool destroyMenu(Hmenu menu) {
    sim::Desktop::Impl* d = sim::desktop();
    return d && d->menus.destroy(menu);
}

int getMenuItemCount(Hmenu menu) {
    sim::Desktop::Impl* d = sim::desktop();
    const sim::Menu* m = d ? d->menus.find(menu) : nullptr;
    return m ? static_cast<int>(m->items.size()) : -1;
}

int getMenuItemId(Hmenu menu, int position) {
    const sim::MenuItem* item = sim::itemAt(sim::desktop(), menu, position);
    if (!item || item->popup != 0) return -1;
    return static_cast<int>(item->id);
}

std::string getMenuString(Hmenu menu, int position) {
    const sim::MenuItem* item = sim::itemAt(sim::desktop(), menu, position);
    return item ? item->text : std::string();
}

Uint getMenuState(Hmenu menu, int position) {
    const sim::MenuItem* item = sim::itemAt(sim::desktop(), menu, position);
    return item ? item->flags : 0;
}

bool trackPopupMenu(Hmenu menu, Uint /*flags*/, int x, int y, Hwnd owner) {
    sim::Desktop::Impl* d = sim::desktop();
    const sim::Menu* m = d ? d->menus.find(menu) : nullptr;
    if (!m || !isWindow(owner)) return false;
    const int chosen = sim::trackMenu(*m, x, y);
    return chosen != 0 && postMessage(owner, WM_COMMAND, makeWparam(chosen, 0), 0);
}

}  // namespace plat

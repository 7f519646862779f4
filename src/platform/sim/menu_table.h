// The menus of the desktop: their entries, handles, and the system menu of
// each window.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/menu.h"

namespace sim {

struct MenuItem {
    plat::Uint flags = plat::MF_STRING;
    plat::Uint id = 0;
    std::string text;
    plat::Hmenu popup = 0;
};

struct Menu {
    std::vector<MenuItem> items;
};

class MenuTable {
public:
    plat::Hmenu create();
    Menu* find(plat::Hmenu menu);
    // Destroys the menu and the sub-menus it opens.
    bool destroy(plat::Hmenu menu);

    // The window's system menu, 0 before it was first asked for.
    plat::Hmenu systemMenuOf(plat::Hwnd window) const;
    void setSystemMenu(plat::Hwnd window, plat::Hmenu menu) { systemMenus_[window] = menu; }

private:
    static constexpr plat::Hmenu kFirstHandle = 0x8000;
    static constexpr plat::Hmenu kHandleStep = 2;
    std::map<plat::Hmenu, Menu> menus_;
    std::map<plat::Hwnd, plat::Hmenu> systemMenus_;
    plat::Hmenu next_ = kFirstHandle;
};

}  // namespace sim

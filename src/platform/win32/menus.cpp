// Menus on USER32: the system menu, menus loaded from in-memory templates,
// and pop-up menus tracked by Windows' own menu loop.
#include "platform/menu.h"

#include "platform/win32/resource_templates.h"

namespace plat {

namespace {

HMENU native(Hmenu menu) { return reinterpret_cast<HMENU>(menu); }
Hmenu handle(HMENU menu) { return reinterpret_cast<Hmenu>(menu); }

}  // namespace

Hmenu getSystemMenu(Hwnd window) { return handle(GetSystemMenu(win32::hwnd(window), FALSE)); }

bool appendMenu(Hmenu menu, Uint flags, Uint id, const std::string& text) {
    if (flags & MF_SEPARATOR) return AppendMenuA(native(menu), MF_SEPARATOR, 0, nullptr) != 0;
    return AppendMenuA(native(menu), flags, id, text.c_str()) != 0;
}

Hmenu loadMenuIndirect(const MenuTemplate& menuTemplate) {
    const std::vector<WORD> resource = win32::buildMenuTemplate(menuTemplate);
    return handle(LoadMenuIndirectA(resource.data()));
}

Hmenu getSubMenu(Hmenu menu, int position) { return handle(GetSubMenu(native(menu), position)); }
bool destroyMenu(Hmenu menu) { return DestroyMenu(native(menu)) != 0; }
int getMenuItemCount(Hmenu menu) { return GetMenuItemCount(native(menu)); }

int getMenuItemId(Hmenu menu, int position) {
    return static_cast<int>(GetMenuItemID(native(menu), position));
}

std::string getMenuString(Hmenu menu, int position) {
    char text[256] = {};
    const int n = GetMenuStringA(native(menu), static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}

Uint getMenuState(Hmenu menu, int position) {
    const UINT state = GetMenuState(native(menu), static_cast<UINT>(position), MF_BYPOSITION);
    if (state == static_cast<UINT>(-1)) return 0;
    // A sub-menu's entry holds its item count in the high byte.
    return state & MF_POPUP ? state & 0xFF : state;
}

bool trackPopupMenu(Hmenu menu, Uint flags, int x, int y, Hwnd owner) {
    const HWND window = win32::hwnd(owner);
    // The owner in front, so that a click elsewhere dismisses the menu.
    SetForegroundWindow(window);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(native(menu), flags | TPM_RETURNCMD, x, y, 0, window, nullptr));
    if (chosen == 0) return false;
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(chosen, 0), 0) != 0;
}

}  // namespace plat

// Menus: the window's system menu with entries appended to it, and pop-up
// menus built from a menu template (the program's menu resources) and
// tracked at a point.
//
// Semantics follow Win32 (GetSystemMenu, AppendMenu, LoadMenuIndirect,
// GetSubMenu, TrackPopupMenu):
// - A system-menu entry that is chosen arrives at its window as WM_SYSCOMMAND
//   with the entry's id in wParam; the window's own entries (restore, move,
//   size, minimize, maximize, close) carry the SC_* ids.
// - A pop-up menu is tracked modally on the calling thread; the chosen
//   entry is posted to the owner as WM_COMMAND with the id in the low word
//   of wParam.  Nothing is posted when the menu is dismissed.
// - Entries are read back by position: text, id (0 for a separator, -1 for
//   an entry that opens a sub-menu) and flags.
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace plat {

using Hmenu = std::uintptr_t;  // 0 = none

constexpr Uint MF_STRING = 0x0000;
constexpr Uint MF_GRAYED = 0x0001;
constexpr Uint MF_POPUP = 0x0010;
constexpr Uint MF_SEPARATOR = 0x0800;

constexpr Uint TPM_LEFTALIGN = 0x0000;
constexpr Uint TPM_RIGHTBUTTON = 0x0002;

// One entry of a menu template: a command (id and text), a separator, or a
// sub-menu (text and its entries).
struct MenuItemTemplate {
    Uint id = 0;
    std::string text;
    bool separator = false;
    std::vector<MenuItemTemplate> popup;  // not empty: the entry opens this sub-menu
};
// A menu bar's entries, each usually opening a pop-up menu.
using MenuTemplate = std::vector<MenuItemTemplate>;

// The window's system menu (created with its standard entries on first use).
Hmenu getSystemMenu(Hwnd window);
// Appends an entry: MF_STRING with id and text, or MF_SEPARATOR.
bool appendMenu(Hmenu menu, Uint flags, Uint id, const std::string& text);

// Builds a menu from a template (as a menu resource is loaded); the caller
// destroys it.
Hmenu loadMenuIndirect(const MenuTemplate& menuTemplate);
// The sub-menu opened by the entry at position, 0 when it opens none.
Hmenu getSubMenu(Hmenu menu, int position);
bool destroyMenu(Hmenu menu);

int getMenuItemCount(Hmenu menu);                 // -1 for an invalid menu
int getMenuItemId(Hmenu menu, int position);      // 0 separator, -1 sub-menu or no entry
std::string getMenuString(Hmenu menu, int position);
Uint getMenuState(Hmenu menu, int position);      // MF_* flags of the entry

// Tracks a pop-up menu at a screen point until an entry is chosen or the
// menu is dismissed; a choice is posted to owner as WM_COMMAND.  True when
// an entry was chosen.
bool trackPopupMenu(Hmenu menu, Uint flags, int x, int y, Hwnd owner);

}  // namespace plat

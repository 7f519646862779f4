// The main window's two menus, built from its command table: the entries
// appended to the system menu, and the context menu (menu resource 131,
// whose first pop-up "メニュー" is tracked at the point of a right click).
#pragma once

#include "platform/menu.h"
#include "ui/command.h"

namespace ui {

constexpr int kContextMenuResource = 131;
constexpr const char* kContextMenuTitle = "メニュー";

void AppendSystemMenuEntries(plat::Hwnd window, const CommandTable& commands);

// Menu resource 131.
plat::MenuTemplate ContextMenuTemplate(const CommandTable& commands);

// Loads the context menu and tracks its pop-up at a point of the window's
// client area (right-button tracking); the chosen id arrives at the window
// as an ordinary command.
void TrackContextMenu(plat::Hwnd window, plat::Point clientPoint, const CommandTable& commands);

}  // namespace ui

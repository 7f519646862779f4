#include "ui/main_menus.h"

#include "platform/window.h"
#include "ui/main_commands.h"

namespace ui {

namespace {

plat::MenuItemTemplate entry(const CommandTable& commands, int id) {
    plat::MenuItemTemplate item;
    const Command* command = commands.find(id);
    if (id == kSeparator || command == nullptr) {
        item.separator = true;
        return item;
    }
    item.id = static_cast<plat::Uint>(id);
    item.text = command->definition().contextMenuText;
    return item;
}

}  // namespace

void AppendSystemMenuEntries(plat::Hwnd window, const CommandTable& commands) {
    const plat::Hmenu menu = plat::getSystemMenu(window);
    if (menu == 0) return;
    for (const int id : kSystemMenuLayout) {
        const Command* command = commands.find(id);
        if (id == kSeparator || command == nullptr) {
            plat::appendMenu(menu, plat::MF_SEPARATOR, 0, "");
        } else {
            plat::appendMenu(menu, plat::MF_STRING, static_cast<plat::Uint>(id), command->definition().systemMenuText);
        }
    }
}

plat::MenuTemplate ContextMenuTemplate(const CommandTable& commands) {
    plat::MenuItemTemplate popup;
    popup.text = kContextMenuTitle;
    for (const int id : kContextMenuLayout) popup.popup.push_back(entry(commands, id));
    return {popup};
}

void TrackContextMenu(plat::Hwnd window, plat::Point clientPoint, const CommandTable& commands) {
    const plat::Hmenu menu = plat::loadMenuIndirect(ContextMenuTemplate(commands));
    if (menu == 0) return;
    if (const plat::Hmenu popup = plat::getSubMenu(menu, 0)) {
        plat::clientToScreen(window, clientPoint);
        plat::trackPopupMenu(popup, plat::TPM_LEFTALIGN | plat::TPM_RIGHTBUTTON, clientPoint.x, clientPoint.y, window);
    }
    plat::destroyMenu(menu);
}

}  // namespace ui

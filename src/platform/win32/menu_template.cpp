#include "platform/win32/resource_templates.h"

namespace win32 {

namespace {

void putItems(std::vector<WORD>& out, const std::vector<plat::MenuItemTemplate>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const plat::MenuItemTemplate& item = items[i];
        WORD option = i + 1 == items.size() ? MF_END : 0;
        if (!item.popup.empty()) {
            out.push_back(option | MF_POPUP);
            putTemplateText(out, item.text);
            putItems(out, item.popup);
            continue;
        }
        if (item.separator) option |= MF_SEPARATOR;
        out.push_back(option);
        out.push_back(static_cast<WORD>(item.separator ? 0 : item.id));
        putTemplateText(out, item.separator ? std::string() : item.text);
    }
}

}  // namespace

std::vector<WORD> buildMenuTemplate(const plat::MenuTemplate& menuTemplate) {
    std::vector<WORD> out = {0, 0};  // MENUITEMTEMPLATEHEADER: version 0, items follow at once
    putItems(out, menuTemplate);
    return out;
}

}  // namespace win32

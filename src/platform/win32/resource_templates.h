// In-memory resource templates: dialogs (DLGTEMPLATE and its items) from
// the API's DialogTemplate, and menus (MENUITEMTEMPLATE) from its
// MenuTemplate.  Internal to src/platform/win32.
#pragma once

#include <vector>

#include "platform/menu.h"
#include "platform/win32/windows_api.h"

namespace win32 {

// The template as Windows reads it: ids, class names, texts, styles and
// positions in dialog units as given; items get WS_CHILD | WS_VISIBLE, as on
// the simulated desktop.  `centred` adds DS_CENTER (a dialog without owner).
std::vector<WORD> buildDialogTemplate(const plat::DialogTemplate& dialogTemplate, bool centred);

// The menu as a menu resource holds it, for LoadMenuIndirect.
std::vector<WORD> buildMenuTemplate(const plat::MenuTemplate& menuTemplate);

// Text as the templates hold it: UTF-16, ending in a NUL.
void putTemplateText(std::vector<WORD>& out, const std::string& text);

}  // namespace win32

// In-memory dialog templates (DLGTEMPLATE and its items) from the API's
// DialogTemplate.  Internal to src/platform/win32.
#pragma once

#include <vector>

#include "platform/win32/windows_api.h"

namespace win32 {

// The template as Windows reads it: ids, class names, texts, styles and
// positions in dialog units as given; items get WS_CHILD | WS_VISIBLE, as on
// the simulated desktop.  `centred` adds DS_CENTER (a dialog without owner).
std::vector<WORD> buildDialogTemplate(const plat::DialogTemplate& dialogTemplate, bool centred);

}  // namespace win32

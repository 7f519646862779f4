// Telling the program's template dialogs (plat::Dialog) from the other
// "#32770" windows of the process — message boxes and the common dialogs —
// for the scripted user of ornel.exe's batch commands.
#pragma once

#include <windows.h>

namespace win32 {

bool isTemplateDialog(HWND window);

}  // namespace win32

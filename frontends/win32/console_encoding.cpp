// ornel.exe talks UTF-8 only to a console set to UTF-8 (chcp 65001); files
// and redirected output get Shift-JIS, as Windows programs write them.
#include <windows.h>

#include "frontends/cli/terminal_encoding.h"

namespace cli {

bool localeIsUtf8() { return GetConsoleOutputCP() == CP_UTF8; }

}  // namespace cli

// Every in-memory setting as "Key=Value" lines, in the order of the settings
// tables (section "Define", then "Pat Define").
#pragma once

#include <string>

#include "base/settings.h"

namespace base {

// One line per key, each ended by "\n"; integers in decimal, texts as held
// (Shift-JIS).  "Pat Code" is never listed and neither are the plain "Pat Id"
// and "Pat Pass Word": with showCredentials the decoded ID and password are
// listed in their place as "User ID=" and "Password=".
std::string ListSettings(const Settings& settings, bool showCredentials);

}  // namespace base

// The "--now" argument of the batch commands: a local date and time.
#pragma once

#include <cstdint>
#include <string>

namespace cli {

// "YYYY-MM-DD HH:MM" in local time as seconds since 1970; false when the
// text has another shape or an impossible field.
bool parseLocalTimeArg(const std::string& text, std::int64_t& seconds);

}  // namespace cli

#include "frontends/cli/local_time_arg.h"

#include <cstdio>

#include "platform/clock.h"

namespace cli {

bool parseLocalTimeArg(const std::string& text, std::int64_t& seconds) {
    plat::LocalTime t;
    char end = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                    &t.minute, &end) != 5)
        return false;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
        t.hour < 0 || t.minute < 0)
        return false;
    seconds = plat::fromLocalTime(t);
    return true;
}

}  // namespace cli

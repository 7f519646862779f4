// The `ornel sim` operations give a run a limit of virtual time.  A run that
// passes it (the driver waiting for ever, e.g. with a profile's waits far
// beyond what the settings dialog takes) is stopped when the desktop goes,
// and the command says so with the waits the driver was given.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/settings.h"

namespace cli {

// "the run did not end within 6 hours of virtual time and was stopped; the
// driver's waits from the home's profile: Message Wait 100 ms, ..." (`what`
// is "the run", "the connection"; the waits only when settings were read).
std::string didNotEnd(const std::string& what, std::int64_t limitMs, const std::optional<base::Settings>& settings);

}  // namespace cli

// Temporary: the parts of the simulated desktop's core these tests link
// against, until the core lands (no desktop is ever current here).
#include <ctime>
#include <string>

#include "platform/clock.h"
#include "platform/sim/backend.h"

namespace sim {
Desktop* Desktop::current() { return nullptr; }
std::string currentProgramExePath() { return {}; }
const Desktop::Options& Desktop::options() const { static Options o; return o; }
}  // namespace sim

namespace plat {
std::int64_t now() { return std::time(nullptr); }
}  // namespace plat

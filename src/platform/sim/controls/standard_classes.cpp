#include "platform/sim/backend.h"

namespace sim {

// Filled in with the standard controls' procedures.
void registerStandardClasses() {}

}  // namespace sim

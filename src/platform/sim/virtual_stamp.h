// Last-write times of files written by programs on the simulated desktop.
// Internal to src/platform/sim.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

// Sets a host file's last-write (and access) time, in seconds since 1970.
bool setHostFileTime(const std::string& host, std::int64_t seconds);

// While a desktop is current, a file a program has written carries the
// virtual time as its last-write time (as it would on a real day); without a
// desktop the host's own time stays.
void stampWithVirtualTime(const std::string& host);

}  // namespace sim

// Whole host files as raw bytes.  Internal to src/platform/sim.
#pragma once

#include <string>

namespace sim {

// False when the file cannot be opened (bytes is then empty).
bool readHostFile(const std::string& host, std::string& bytes);

// Writes the bytes to a temporary file beside it and renames that over the
// file, so a failed write never leaves a half-written file behind.
bool replaceHostFile(const std::string& host, const std::string& bytes);

}  // namespace sim

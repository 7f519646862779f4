// The profile file in use, parsed once and kept while the file on the host
// stays as it was, so that reading every setting of a large profile reads
// and parses it once rather than once per key (Windows keeps its profile
// files in memory the same way).  Internal to src/platform/sim.
#pragma once

#include <functional>
#include <string>

#include "platform/sim/profile_document.h"

namespace sim {

// Calls `read` with the document of the host file (empty for a missing
// file).  False, without calling it, when the file exists but cannot be
// read.
bool readProfile(const std::string& host, const std::function<void(const ProfileDocument&)>& read);

// Calls `change` with the document of the host file (empty for a missing
// file, which is created), then replaces the file with the changed document
// and stamps it with the virtual time.  False when the file exists but
// cannot be read, or cannot be written; the file is then as it was.
bool changeProfile(const std::string& host, const std::function<void(ProfileDocument&)>& change);

}  // namespace sim

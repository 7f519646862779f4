// Program paths on the host file system.
//
// Programs on the simulated desktop write Windows-style paths: '\' as the
// separator and names that may differ in case from the names on disk.  These
// helpers turn such a path into a host path and find the names as Windows
// would.  Internal to src/platform/sim.
#pragma once

#include <string>
#include <string_view>

namespace sim {

// The host path for a program's path: every '\' that is not the trail byte
// of a double-byte character becomes '/', and the system drive "C:" names the
// drive root (the desktop's directory), so a path on drive C: stays valid
// when that directory is moved or copied.  A relative path is taken in the
// calling program's directory (never the host's current directory, unless
// the caller has no executable).  False (and nothing stored) for an empty
// path, one of plat::maxPath bytes or more, or another drive.
bool hostPath(const std::string& path, std::string& host);

// Resolves a host path component by component: where the exact name does not
// exist, an entry whose name differs only in the case of ASCII letters is
// taken instead (the first in byte order when there are several).  From the
// first component that matches nothing on, the rest is kept as given, so the
// result also names a file yet to be created.
std::string resolveCase(const std::string& host);

// Both steps: the host path of an existing or new file.
bool resolvePath(const std::string& path, std::string& resolved);

// The wildcard match of a file search: '*' any run of characters, '?' one
// character (a double-byte character counts as one), ASCII letters
// compared case-insensitively; "*.*" matches every name.
bool matchesFilePattern(std::string_view pattern, std::string_view name);

}  // namespace sim

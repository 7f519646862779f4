// Paths of the machine the command runs on, as the person gives them.  On
// Windows they are in the ANSI code page (Shift-JIS), which the C++
// library's filesystem does not read there, so each backend's front end
// answers these with its own system's calls.
#pragma once

#include <string>

namespace cli {

// The path made absolute from the working directory; as given when that
// cannot be done.
std::string absolutePath(const std::string& path);
bool pathExists(const std::string& path);
bool isDirectory(const std::string& path);

}  // namespace cli

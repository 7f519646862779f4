// Pieces of the platform API's implementation that are the same on every
// backend.  Internal to src/platform and its backends.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "platform/files.h"

namespace plat {

// Sorts a directory listing as findFiles lists it: names compared without
// regard to case, ties (names differing only in case) by bytes, so a search
// lists the same files in the same order every time.
void sortListing(std::vector<FileInfo>& files);

// strftime of a broken-down local time, with a buffer grown as needed ("" for
// an empty format or a result beyond any sensible length).
std::string formatBrokenDownTime(const std::tm& time, const char* format);

}  // namespace plat

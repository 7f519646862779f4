// Reading a text file line by line in buffers of a fixed size.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "platform/files.h"

namespace clientdata {

// Calls fn with every line of file (with its "\n", when it has one), each
// cut to bufferSize - 1 bytes; the rest of a longer line is skipped, not
// taken as a line of its own.
void ForEachLine(plat::TextFile& file, std::size_t bufferSize, const std::function<void(std::string_view)>& fn);

}  // namespace clientdata

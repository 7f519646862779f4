// printf-style output of a text file: the same on every backend.
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/files.h"

namespace plat {

bool TextFile::print(const char* format, ...) {
    std::vector<char> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (n < 0) return false;
        if (static_cast<std::size_t>(n) < buffer.size()) return write(std::string(buffer.data(), n));
        buffer.resize(static_cast<std::size_t>(n) + 1);
    }
}

}  // namespace plat

#include "platform/portable_parts.h"

#include <algorithm>

#include "platform/sjis.h"

namespace plat {

namespace {

// Longest formatTime result; a format that expands further yields "".
constexpr std::size_t kMaxFormattedTime = 4096;

}  // namespace

void sortListing(std::vector<FileInfo>& files) {
    std::sort(files.begin(), files.end(), [](const FileInfo& a, const FileInfo& b) {
        const std::string ua = sjis::upper(a.name), ub = sjis::upper(b.name);
        return ua != ub ? ua < ub : a.name < b.name;
    });
}

std::string formatBrokenDownTime(const std::tm& time, const char* format) {
    if (!format || !*format) return {};
    // strftime reports 0 both for "too small" and for an empty result: grow
    // the buffer up to the limit.
    for (std::size_t size = 64; size <= kMaxFormattedTime; size *= 2) {
        std::vector<char> buffer(size);
        const std::size_t n = std::strftime(buffer.data(), size, format, &time);
        if (n > 0) return std::string(buffer.data(), n);
    }
    return {};
}

}  // namespace plat

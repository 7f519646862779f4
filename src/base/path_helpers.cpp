#include "base/path_helpers.h"

#include <climits>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace base {

namespace {

constexpr const char* kBetLogName = "BT%y%m%d.LOG";

bool fitsPath(const std::string& path) { return path.size() < plat::maxPath; }

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int NumberAt(std::string_view text, std::size_t n) {
    std::string_view s = text.substr(0, n);
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > INT_MAX) {  // atoi's overflow is undefined; saturate instead
            value = static_cast<long long>(INT_MAX) + 1;
            break;
        }
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

std::string& UpperCase(std::string& text) {
    text = sjis::upper(text);
    return text;
}

bool ReplacePathPart(std::string& path, const char* name, const char* extension) {
    sjis::PathParts parts = sjis::splitPath(path);
    if (name) {
        parts.name = name;
        parts.extension.clear();
    }
    if (extension) {
        parts.extension = extension;
        if (!parts.extension.empty() && parts.extension[0] != '.') parts.extension.insert(0, ".");
    }
    if (!name && !extension) {
        parts.name.clear();
        parts.extension.clear();
    }
    std::string result = parts.join();
    if (!fitsPath(result)) return false;
    path = std::move(result);
    return true;
}

bool NewestMatch(std::string& pattern) {
    const plat::FileInfo* newest = nullptr;
    std::vector<plat::FileInfo> found = plat::findFiles(pattern);
    for (const plat::FileInfo& f : found) {
        if (f.isDirectory) continue;
        if (!newest || f.lastWrite > newest->lastWrite) newest = &f;
    }
    if (!newest) return false;
    return ReplacePathPart(pattern, newest->name.c_str());
}

bool FileHasData(const std::string& path) {
    for (const plat::FileInfo& f : plat::findFiles(path)) {
        if (f.isDirectory) continue;
        return f.size != 0;
    }
    return false;
}

std::string BetLogPath(const CurrentBetFile& current, std::int64_t clock) {
    std::string path = current.path;
    if (!ReplacePathPart(path, plat::formatTime(clock, kBetLogName).c_str())) return {};
    return path;
}

}  // namespace base

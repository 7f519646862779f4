#include "betdata/bet_file_paths.h"

#include <climits>
#include <cstdio>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace betdata {

namespace {

// Bet-file names: YYMMDD, then the sequence number or a wildcard.
constexpr const char* kPendingPattern = "%02d%02d%02d*.BET";
constexpr const char* kTargetExtension = ".TGP";
constexpr const char* kLoadedExtension = ".SAV";
constexpr const char* kNextAfterLoaded = "%02d%02d%02d%02d.BET";
constexpr const char* kFirstOfDay = "%02d%02d%02d01.Bet";
constexpr std::size_t kDateBytes = 2;        // YY, MM and DD are two bytes each
constexpr std::size_t kSequenceBytes = 2;    // NN in front of ".SAV"
constexpr const char* kBetLogName = "BT%y%m%d.LOG";

bool fitsPath(const std::string& path) { return path.size() < plat::maxPath; }

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string dateName(const char* format, const BetFileDate& d, int sequence = 0) {
    char name[64];
    std::snprintf(name, sizeof name, format, d.year, d.month, d.day, sequence);
    return name;
}

// The file-name part of a path (after its last separator).
std::string_view fileNameOf(std::string_view path) {
    std::size_t sep = sjis::lastSeparator(path);
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
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

bool NextBetFilePath(CurrentBetFile& current, const std::string& betFileSetting,
                     std::optional<BetFileDate> date) {
    BetFileDate day;
    if (date) {
        day = {date->year % 100, date->month, date->day};
    } else {
        std::string_view name = fileNameOf(current.path);
        auto part = [&](std::size_t i) {
            std::size_t at = i * kDateBytes;
            return at < name.size() ? NumberAt(name.substr(at), kDateBytes) : 0;
        };
        day = {part(0), part(1), part(2)};
    }

    std::string pattern = betFileSetting;
    if (!ReplacePathPart(pattern, dateName(kPendingPattern, day).c_str())) return false;

    std::string result = pattern;
    if (NewestMatch(result)) {
        current.path = result;
        return true;
    }
    ReplacePathPart(pattern, nullptr, kTargetExtension);
    result = pattern;
    if (NewestMatch(result)) {
        current.path = result;
        return true;
    }
    ReplacePathPart(pattern, nullptr, kLoadedExtension);
    result = pattern;
    std::string name;
    if (NewestMatch(result)) {
        // The sequence number stands in front of ".SAV" in the file name
        // (looked for there only, so a directory named "*.sav" cannot
        // mislead it).
        std::string loaded(fileNameOf(result));
        UpperCase(loaded);
        std::size_t at = sjis::find(loaded, kLoadedExtension, 0, true);
        int sequence = 0;
        if (at != std::string::npos && at >= kSequenceBytes)
            sequence = NumberAt(std::string_view(loaded).substr(at - kSequenceBytes), kSequenceBytes);
        name = dateName(kNextAfterLoaded, day, sequence + 1);
    } else {
        name = dateName(kFirstOfDay, day);
    }
    result = pattern;
    if (!ReplacePathPart(result, name.c_str())) return false;
    current.path = result;
    return true;
}

std::string BetLogPath(const CurrentBetFile& current, std::int64_t clock) {
    std::string path = current.path;
    if (!ReplacePathPart(path, plat::formatTime(clock, kBetLogName).c_str())) return {};
    return path;
}

}  // namespace betdata

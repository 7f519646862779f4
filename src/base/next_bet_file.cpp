#include "base/next_bet_file.h"

#include <cstdio>

#include "platform/sjis.h"

namespace base {

namespace {

// Bet-file names: YYMMDD, then the sequence number or a wildcard.
constexpr const char* kPendingPattern = "%02d%02d%02d*.BET";
constexpr const char* kTargetExtension = ".TGP";
constexpr const char* kLoadedExtension = ".SAV";
constexpr const char* kNextAfterLoaded = "%02d%02d%02d%02d.BET";
constexpr const char* kFirstOfDay = "%02d%02d%02d01.Bet";
constexpr std::size_t kDateBytes = 2;        // YY, MM and DD are two bytes each
constexpr std::size_t kSequenceBytes = 2;    // NN in front of ".SAV"

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

}  // namespace base

#include "betdata/import_format.h"

#include <cstdio>
#include <optional>

#include "betdata/importers/import_scan.h"
#include "betdata/normalize_wide_digits.h"

namespace betdata {

namespace {

constexpr std::size_t kLineBuffer = 128;
constexpr std::size_t kWordBytes = 128;

constexpr std::string_view kMeetingDay = "日目";
constexpr const char* kFhwarsHeader = "%127s %d 年 %d 回 %d 日目 %d 月 %d 日 [ %d ]";
constexpr int kFhwarsMinFields = 6;
constexpr const char* kVenueHeader = "%127s %d 年 %d 月 %d 日 %d 回 %d 日";
constexpr int kVenueHeaderMinFields = 4;
constexpr const char* kVenueHeaderShort = "%127s %d年 %d回 %d日";
constexpr int kVenueHeaderShortFields = 4;
constexpr const char* kMonthHeader = " %d月 %d日 %d回";
constexpr int kMonthHeaderFields = 3;
constexpr std::string_view kDbmnMark = "Ｒ】  +++";

// The format a line names; nullopt when the line is not recognised.
std::optional<StagedFormat> recogniseLine(std::string line) {
    char word[kWordBytes];
    int v[6] = {};
    if (importscan::find(line, kMeetingDay) != std::string::npos) {
        NormalizeWideDigits(line);
        const int fields = std::sscanf(line.c_str(), kFhwarsHeader, word, &v[0], &v[1], &v[2],
                                       &v[3], &v[4], &v[5]);
        if (fields >= kFhwarsMinFields) return StagedFormat::FhwarsFocus;
        return std::nullopt;
    }
    if (std::sscanf(line.c_str(), kVenueHeader, word, &v[0], &v[1], &v[2], &v[3], &v[4]) >=
            kVenueHeaderMinFields ||
        std::sscanf(line.c_str(), kVenueHeaderShort, word, &v[0], &v[1], &v[2]) ==
            kVenueHeaderShortFields)
        return StagedFormat::VenueHeader;
    if (std::sscanf(line.c_str(), kMonthHeader, &v[0], &v[1], &v[2]) == kMonthHeaderFields)
        return StagedFormat::MonthHeader;
    if (importscan::find(line, kDbmnMark) != std::string::npos) return StagedFormat::Dbmn;
    return std::nullopt;
}

}  // namespace

StagedFormat RecogniseStagedText(std::span<const std::string> lines) {
    for (const std::string& line : lines)
        if (auto format = recogniseLine(importscan::cutToBuffer(line, kLineBuffer))) return *format;
    return StagedFormat::Plain;
}

}  // namespace betdata

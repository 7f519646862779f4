#include "betdata/importers/import_scan.h"

#include "base/next_bet_file.h"
#include "platform/sjis.h"

namespace betdata::importscan {

namespace {
constexpr std::size_t kNumberBeforeBytes = 2;
}

std::string cutToBuffer(std::string_view line, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    return std::string(line.substr(0, bufferSize - 1));
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int leadingInt(std::string_view text) { return base::NumberAt(text, text.size()); }

int numberAt(std::string_view line, std::size_t from, std::size_t count) {
    if (from >= line.size()) return 0;
    return leadingInt(line.substr(from, count));
}

int numberBefore(std::string_view line, std::size_t pos) {
    if (pos > line.size()) pos = line.size();
    const std::size_t start = pos >= kNumberBeforeBytes ? pos - kNumberBeforeBytes : 0;
    return leadingInt(line.substr(start, pos - start));
}

std::size_t find(std::string_view line, std::string_view needle, std::size_t from) {
    return sjis::find(line, needle, from, /*respectCharacters=*/true);
}

std::string_view wordAt(std::string_view line, std::size_t from, std::size_t& wordEnd) {
    std::size_t start = from;
    while (start < line.size() && isBlank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end])) ++end;
    wordEnd = end;
    return line.substr(start, end - start);
}

}  // namespace betdata::importscan

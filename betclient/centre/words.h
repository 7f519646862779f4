// Small helpers for the centre's own line-oriented text files (the day file
// and the state file): words split at blanks, comments, plain numbers.
#pragma once

#include <string_view>
#include <vector>

namespace centre {

// The words of a line after removing a trailing CR and a "#" comment.
std::vector<std::string_view> lineWords(std::string_view line);
// Calls fn(lineNumber, words) for every line that has words; stops at the
// first call that returns false and gives back that line number (0: all read).
template <typename Fn>
int forEachLine(std::string_view text, Fn fn) {
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        auto nl = text.find('\n');
        auto words = lineWords(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
        if (!words.empty() && !fn(lineNo, words)) return lineNo;
    }
    return 0;
}
// An unsigned decimal number of up to nine digits.
bool toInt(std::string_view s, int& value);

}  // namespace centre

// Builds lines of fixed-column text files (the betting client's terms files,
// vote logs, race cards) byte by byte, as Shift-JIS.
#pragma once

#include <cstddef>
#include <string>

namespace testsupport {

class FixedLine {
public:
    // A line of `width` fill characters (it grows as fields are set).
    explicit FixedLine(std::size_t width = 0, char fill = ' ');

    // Puts the bytes of text at the 0-based byte column.
    FixedLine& text(std::size_t column, const std::string& text);
    // Puts value right-aligned in `width` bytes, padded with pad ('0' by
    // default); a value wider than the field keeps its last digits.
    FixedLine& number(std::size_t column, std::size_t width, long long value, char pad = '0');

    const std::string& str() const { return line_; }
    operator const std::string&() const { return line_; }

private:
    std::string line_;
    char fill_;
};

}  // namespace testsupport

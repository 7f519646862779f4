// A line of fixed columns, built in memory: values are put at a byte column
// with a width, the line grows with blanks as needed, and nothing ever runs
// into the next column.
#pragma once

#include <string>
#include <string_view>

namespace centre {

// A field of the client's files: 0-based byte column and width.
struct Column {
    int at;
    int width;
};

class FixedLine {
public:
    enum class Pad { Zero, Blank };
    // The number right-aligned in its width, padded with '0' or blanks.  A
    // value that does not fit is clamped to the largest (or to 0).
    FixedLine& number(Column c, long long value, Pad pad = Pad::Zero);
    // Text cut to the width (never inside a double-byte character),
    // left-aligned and padded with blanks.
    FixedLine& text(Column c, std::string_view bytes);
    // Makes the line at least this long (blank-filled).
    FixedLine& extendTo(int length);
    const std::string& str() const { return line_; }

private:
    void put(int at, std::string_view bytes);
    std::string line_;
};

}  // namespace centre

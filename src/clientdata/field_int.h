// Fixed-column numbers of the betting client's text files.
#pragma once

#include <cstddef>
#include <string_view>

namespace clientdata {

// The number in the field of at most width bytes starting at the 0-based
// byte column of line (cut short at the end of the line), read as atoi reads
// it: leading blanks, an optional sign, then digits up to the first
// non-digit; 0 when there are no digits or the field lies beyond the line.
// Columns count bytes, so a double-byte character takes two.
int FieldInt(std::string_view line, std::size_t column, std::size_t width);

// A field of a fixed-column layout, for tables of named fields.
struct Field {
    std::size_t column;
    std::size_t width;
};
// The field read from line, its column counted from `base` (the start of a
// repeated block).
inline int FieldInt(std::string_view line, Field field, std::size_t base = 0) {
    return FieldInt(line, base + field.column, field.width);
}

}  // namespace clientdata

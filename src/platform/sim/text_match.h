// Name and caption comparisons as the window system makes them: ASCII
// letters compare without case, double-byte Shift-JIS characters compare
// exactly (their trail bytes may look like ASCII letters).
#pragma once

#include <string>
#include <string_view>

namespace sim {

// Upper-cases ASCII letters that are not the trail byte of a double-byte
// character.
std::string foldCase(std::string_view text);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

}  // namespace sim

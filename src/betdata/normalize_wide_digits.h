// Full-width digits and spaces in imported header lines.
#pragma once

#include <string>

namespace betdata {

// Rewrites a Shift-JIS text in place, walking from its start: each
// full-width digit "０".."９" becomes the ASCII digit (the text shrinks by one
// byte per digit), each full-width space "　" becomes two ASCII spaces, other
// double-byte characters are stepped over whole, and the walk stops at the
// first ASCII '['.
void NormalizeWideDigits(std::string& text);

}  // namespace betdata

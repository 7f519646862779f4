// Numbers written in full-width digits, as the payout report's headings
// show them.
#pragma once

#include <string>

namespace clientdata {

// The decimal form of value in full-width characters ("０" … "９", a leading
// "－" for a negative value), cut after maxChars characters, the sign
// counting as one: (12, 1) gives "１", (-5, 1) gives "－".  Empty when
// maxChars is 0 or less.
std::string ToFullWidth(int value, int maxChars);

}  // namespace clientdata

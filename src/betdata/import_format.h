// Recognising which prediction program wrote a staged bet text.
#pragma once

#include <span>
#include <string>

namespace betdata {

enum class StagedFormat {
    Plain,        // no known header: free bet text for the bet-list grammar
    VenueHeader,  // "東京 98年12月 5日 5回 2日"
    MonthHeader,  // "12月 5日 5回東京 2日"
    FhwarsFocus,  // "東京 1998年 5回 2日目 12月 5日 [12]"
    Dbmn,         // "東京【11Ｒ】  +++"
};

// The format named by the first recognised line (lines are read as a
// 128-byte buffer holds them); Plain when no line is recognised.
StagedFormat RecogniseStagedText(std::span<const std::string> lines);

}  // namespace betdata

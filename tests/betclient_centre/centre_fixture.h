// A small explicit day and an independent reader of fixed columns, shared by
// the centre's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "betclient/centre/day_text.h"

namespace centre_test {

// 東京 (slot 0) and 阪神 (slot 1).  Horse counts: 東京 1R 10, 2R 12 with
// horse 10 scratched (bracket 7 = horses 9 and 10), 3R sells no 馬連, 4R is
// not on sale, 5R has eight horses and no 枠連; 阪神 1R has a dead heat.
inline constexpr const char* kSmallDay = R"(# a day for the tests
date 1998-12-05
account user=11112222 password=0123 limit=10000 balance=52000 prev-purchase=3000 prev-payout=1200

meeting 東京 kai=5 nichime=3
race 1 sale=15 start=10:00 horses=7777777777
order 3 7 5 1
win 3:350
place 3:150 7:160 5:300
bracket 3-7:1230
quinella 3-7:2450
race 2 sale=15 start=10:30 horses=777777777177
race 3 sale=7 start=11:00 horses=777777777777
race 4 sale=0 start=11:30 horses=777777777777
race 5 sale=11 start=12:20 horses=77777777

meeting 9 kai=5 nichime=3     # 阪神 by its code
race 1 sale=15 start=10:10 horses=777777777777777777
order 1=2 3 4
win 1:220 2:350
place 1:110 2:130 3:200
bracket 1-1:1500
quinella 1-2:900
)";

inline centre::Day smallDay() {
    centre::Day day;
    std::string error;
    EXPECT_TRUE(centre::parseDayText(kSmallDay, day, error)) << error;
    return day;
}

// The integer at a byte column as atoi reads it (blanks, sign, digits); 0
// when the field lies beyond the line.
inline int field(const std::string& line, int col, int width) {
    if (col >= static_cast<int>(line.size())) return 0;
    return std::atoi(line.substr(col, width).c_str());
}
inline std::string bytes(const std::string& line, int col, int width) {
    return col >= static_cast<int>(line.size()) ? std::string() : line.substr(col, width);
}

}  // namespace centre_test

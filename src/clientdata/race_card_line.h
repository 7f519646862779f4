// One line of a race card (JRA#DEN1.DAT, TARGET .DEN files and the day's
// start-time files): one race per line, fixed columns.
#pragma once

#include <string_view>

namespace clientdata {

struct RaceCardLine {
    int venueCode = 0;  // 1..10 in Venue table order
    int kai = 0;        // 回
    int nichime = 0;    // 日目
    int race = 0;
    int cardDate = 0;   // month * 100 + day of the card
    int startTime = 0;  // hour * 100 + minute
};

RaceCardLine ParseRaceCardLine(std::string_view line);

}  // namespace clientdata

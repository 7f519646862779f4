// The voting date and time a timer-bet file is written for, and the one the
// dialog proposes.
#pragma once

#include <cstdint>

namespace clientdata {

struct TimerBetMoment {
    int year = 0;  // two digits
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// The proposal at local time now: on Monday to Friday the coming Saturday
// at 9:40; on Saturday from 16:00 Sunday at 9:40, from 13:00 to 15:59 the
// day itself at 9:40, before 13:00 the present minute; on Sunday the
// present minute.  A header day above 0 (the month and day of the last
// bet import's header) replaces the month and day; the year stays.
TimerBetMoment ProposedTimerBetMoment(std::int64_t now, int headerMonth, int headerDay);

}  // namespace clientdata

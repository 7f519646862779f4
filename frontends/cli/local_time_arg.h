// The date and time arguments of the batch commands: "--now" (a local date
// and time) and "--date".
#pragma once

#include <cstdint>
#include <string>

namespace cli {

// Years the commands take: the program writes two-digit years into file
// names and the clock counts from 1970.
constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2099;

// True for a day the calendar has, in the years above.
bool isCalendarDay(int year, int month, int day);

// "YYYY-MM-DD" of a calendar day.
bool parseDateArg(const std::string& text, int& year, int& month, int& day);

// "YYYY-MM-DD HH:MM" in local time as seconds since 1970; false when the
// text has another shape or names no day or time of the calendar.
bool parseLocalTimeArg(const std::string& text, std::int64_t& seconds);

}  // namespace cli

#include "frontends/cli/local_time_arg.h"

#include <cstdio>

#include "platform/clock.h"

namespace cli {

namespace {

constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

bool isCalendarDay(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1) return false;
    const int days = kDaysInMonth[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= days;
}

bool parseDateArg(const std::string& text, int& year, int& month, int& day) {
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &used) != 3 ||
        static_cast<std::size_t>(used) != text.size())
        return false;
    return isCalendarDay(year, month, day);
}

bool parseLocalTimeArg(const std::string& text, std::int64_t& seconds) {
    plat::LocalTime t;
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%n", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                    &used) != 5 ||
        static_cast<std::size_t>(used) != text.size())
        return false;
    if (!isCalendarDay(t.year, t.month, t.day) || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59)
        return false;
    seconds = plat::fromLocalTime(t);
    return true;
}

}  // namespace cli

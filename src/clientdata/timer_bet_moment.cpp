#include "clientdata/timer_bet_moment.h"

#include "platform/clock.h"

namespace clientdata {

namespace {

constexpr int kSunday = 0;
constexpr int kSaturday = 6;
// On Saturday the proposal moves on to Sunday from this hour, and keeps
// the present minute before the afternoon hour.
constexpr int kSaturdayEveningHour = 16;
constexpr int kSaturdayAfternoonHour = 13;
// The first sales minute of a race day.
constexpr int kMorningHour = 9;
constexpr int kMorningMinute = 40;
constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;
constexpr int kNoon = 12;

// The local date `days` days after the date of t.
plat::LocalTime daysLater(const plat::LocalTime& t, int days) {
    plat::LocalTime noon = t;
    noon.hour = kNoon;
    noon.minute = noon.second = 0;
    return plat::localTime(plat::fromLocalTime(noon) + days * kSecondsPerDay);
}

TimerBetMoment at(const plat::LocalTime& date, int hour, int minute) {
    return {date.year % 100, date.month, date.day, hour, minute};
}

}  // namespace

TimerBetMoment ProposedTimerBetMoment(std::int64_t now, int headerMonth, int headerDay) {
    const plat::LocalTime t = plat::localTime(now);
    TimerBetMoment moment;
    if (t.weekday != kSunday && t.weekday != kSaturday) {
        moment = at(daysLater(t, kSaturday - t.weekday), kMorningHour, kMorningMinute);
    } else if (t.weekday == kSaturday && t.hour >= kSaturdayEveningHour) {
        moment = at(daysLater(t, 1), kMorningHour, kMorningMinute);
    } else if (t.weekday == kSaturday && t.hour >= kSaturdayAfternoonHour) {
        moment = at(t, kMorningHour, kMorningMinute);
    } else {
        moment = at(t, t.hour, t.minute);
    }
    if (headerDay > 0) {
        moment.month = headerMonth;
        moment.day = headerDay;
    }
    return moment;
}

}  // namespace clientdata

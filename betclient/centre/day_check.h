// Whether a day can be served and written: every value in its range and
// within the widths of the client's files.
#pragma once

#include <string>

#include "betclient/centre/day.h"

namespace centre {

// Limits that follow from the widths of the client's files.
constexpr int kMaxKai = 9;            // one digit in the race-card lines
constexpr int kMaxNichime = 9;
constexpr int kMaxCode = 9;           // horse and bracket codes are one digit
constexpr int kMaxRaceSaleCode = 15;
constexpr int kMaxTermsAmount = 999999;     // six digits: limit and balance
constexpr int kMaxPrevDayAmount = 99999999; // eight digits
constexpr int kMaxPayout = 9999999;         // seven digits per entry
constexpr int kMaxUserIdDigits = 8;
constexpr int kMaxPasswordDigits = 4;
// Entries per race that the payout files hold.
int payoutCapacity(Kind k);

// "" when the day is sound, else what is wrong (ASCII).
std::string checkDay(const Day& day);

}  // namespace centre

// Entering one bet of the bet list into the client's vote form, as a user
// would: day, racecourse, race, kind, numbers, amount, "Ｏ　Ｋ".
#pragma once

#include "base/voting_terms.h"
#include "base/bet_line_read_back.h"
#include "driver/pat_driver.h"

namespace driver {

// Day index of the bets the BetRunner enters (当日).
constexpr int kDayToday = 0;

// Whether the day's voting terms, as loaded (checked or not), sell the bet:
// an amount of at least 100 yen, today, race 1..12, first number 1..18, a
// racecourse of the day whose race is on sale, and the numbers on sale for
// the kind.
bool BetAllowedByTerms(const base::VotingTerms& terms, int day, const base::ReadBackBet& bet);

// Enters the bet and adds its amount to enteredTotal.  A bet the terms do
// not sell is skipped: true, nothing entered.  False when the client could
// not be operated; the user has been told (8141, or ConnectClient's
// message).
bool EnterBet(PatDriver& driver, int day, const base::ReadBackBet& bet, int& enteredTotal);

// Before each bet: answers what the client left up (a 同枠取消 box, the
// vote-result form) or, when nothing is up, makes sure the vote form is
// there (ConnectClient for betting); on a vote form other than the one the
// entry memory was made on, the memory is forgotten.  A box of the client's
// entry checks means the last bet was not taken: false after 8141.
bool PrepareVoteForm(PatDriver& driver);

}  // namespace driver

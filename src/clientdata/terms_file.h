// The first line of a voting-terms file (Uy-a.Jra, Uy-b.Jra, Uy-c.Jra): the
// terms date, the account figures, one meeting and its race blocks.
#pragma once

#include <string_view>

#include "base/voting_terms.h"

namespace clientdata {

struct TermsHeader {
    int year = 0;
    int month = 0;
    int day = 0;
    int purchaseLimit = 0;
    int accountBalance = 0;
    int prevDayPurchase = 0;
    int prevDayPayout = 0;
};

TermsHeader ParseTermsHeader(std::string_view line);

// Fills the meeting slot from the line: date, venue, 回, 日目 and the sale
// codes and runner counts of the 14 race blocks.  Start times are left as
// they are (the start-time lookup sets them).
void ParseMeeting(std::string_view line, const TermsHeader& header, base::MeetingTerms& slot);

// Takes the header into the terms: the date and the account figures, with
// the purchase limit as the amount available.  When the date differs from
// the date of the running totals, the totals roll over to the new date.
void TakeTermsHeader(base::VotingTerms& terms, const TermsHeader& header);

}  // namespace clientdata

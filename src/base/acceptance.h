// How the betting centre answered each bet of a vote: the acceptance status
// the client's vote log gives every entry, and a bet it did not accept.
#pragma once

#include "base/bet_line.h"

namespace base {

// Acceptance status of a vote-log entry (0..7; values above 7 are taken as 7).
constexpr int kAcceptanceAccepted = 0;     // 受
constexpr int kAcceptanceOverLimit = 1;    // 未: beyond the amount or bets available
constexpr int kAcceptanceNotOnSale = 2;    // ？
constexpr int kAcceptanceSalesClosed = 3;  // 〆
constexpr int kAcceptanceLast = 7;

// The one-character mark of a status: 受 未 ？ 〆 ４ ５ ６ ７.
const char* AcceptanceMark(int status);
// What a refusal means, for the user ("" for statuses without a known meaning).
const char* AcceptanceMeaning(int status);

// A bet of the list that a vote carried and the centre refused.
struct RefusedBet {
    BetLine bet;
    int status = kAcceptanceNotOnSale;
};

}  // namespace base

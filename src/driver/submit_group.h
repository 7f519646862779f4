// Submitting the bets entered on the vote form as one vote: the amount
// confirmation, the 通信 transfer and the client's answer.
#pragma once

#include <cstdint>

#include "driver/driver_state.h"
#include "driver/pat_driver.h"

namespace driver {

// Longest time the 通信 form may stay after a vote was sent before the
// transfer is taken as hung (the client's transfers take seconds).
constexpr std::uint32_t kVoteTransferLimitMs = 5 * 60 * 1000;
// How often error 11028 is answered by retyping the total and forcing the
// vote before the run gives up.
constexpr int kMaxForcedResubmissions = 10;

// Types the total in yen into the amount-confirmation form's field.
bool TypeTotal(const DriverState& driver, int yen);

enum class SubmitResult {
    Failed,      // not sent, or its outcome unknown: the user has been told
    Voted,       // the client accepted the vote (its log tells each bet's status)
    Unconfirmed, // answered by a box without a result: only a log of the vote
                 // can tell that it went through (entriesPending stays set)
    LeftToUser,  // AutoPat off: the confirmation waits for the user
};

// Submits the group: "投  票", the total (AccInp), then, when AutoPat is on,
// 通常投票 or 強制投票 ("Force Touhyo", or a 同枠取消 in the group), the
// transfer and the answer.  Outside the reception hours nothing is pressed
// (8142).  An accepted vote, or a confirmation left to the user, clears
// entriesPending.
SubmitResult SubmitGroup(PatDriver& driver, int totalYen);

// Whether a group may be entered now: with AutoPat on, only within the
// reception hours, as its vote could not be sent otherwise (8142 shown).
bool GroupMayStart(PatDriver& driver);

}  // namespace driver

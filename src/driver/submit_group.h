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

// Submits the group: "投  票", the total (AccInp), then, when AutoPat is on,
// 通常投票 or 強制投票 ("Force Touhyo", or a 同枠取消 in the group), the
// transfer and the answer.  With AutoPat off the confirmation is left to the
// user and the group counts as done.  False when the vote did not go
// through or its outcome is unknown: the user has been told (8141, or 8142
// outside the reception hours, when nothing is sent).
bool SubmitGroup(PatDriver& driver, int totalYen);

}  // namespace driver

// The vote-result form the client opens after an accepted vote: while it is
// open the vote form may take no input, so it is closed before the next
// bet, and after a run's last vote.
#pragma once

#include "driver/driver_state.h"

namespace driver {

// When the result form is there (or appears within appearMs): waits for
// its "閉じる" (it may still be being built) and presses it, up to six
// times, until it has gone.  True when no result form is left.  Tells the
// user nothing.
bool CloseVoteResult(const DriverState& driver, std::uint32_t appearMs = 0);

}  // namespace driver

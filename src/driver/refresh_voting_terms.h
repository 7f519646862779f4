// Making sure the client holds today's voting terms before bets are loaded:
// restarting it to fetch them when its terms file is of another day.
#pragma once

#include "base/run_control.h"
#include "driver/pat_driver.h"

namespace driver {

// Within the reception hours, when the client runs with terms that are not
// today's: asks 8146 (not in a timer-bet run, which goes ahead), closes the
// client and connects again with the fetch switched on.  In a timer-bet run
// a client that is not running is started first.  0 when done or nothing
// was to be done; -1 when the connection failed (the user has been told).
int RefreshVotingTerms(PatDriver& driver, const base::RunControl& run);

}  // namespace driver

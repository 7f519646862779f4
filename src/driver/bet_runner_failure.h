// How a step of bet entry or submission ends when the client could not be
// operated: message 8141, then failure.
#pragma once

#include "base/strings.h"
#include "driver/pat_driver.h"

namespace driver {

inline bool ClientStepFailed(PatDriver& driver) {
    FailWith(driver, base::kMsgClientFailed);
    return false;
}

}  // namespace driver

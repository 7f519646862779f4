// What the environment and options dialogs do when confirmed with OK: the
// settings are written to the profile, then the driver takes the new timing
// values and credentials, or the new option flags.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"
#include "driver/driver_state.h"

namespace app {

void ApplyEnvironmentSettings(base::ProfileStore& store, const base::Settings& settings,
                              driver::DriverState& driver);
void ApplyOptionSettings(base::ProfileStore& store, const base::Settings& settings,
                         driver::DriverState& driver);

}  // namespace app

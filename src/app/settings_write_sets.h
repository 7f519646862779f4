// What each settings dialog writes when it is confirmed with OK, in the
// order the keys are written.  The dialogs update the in-memory Settings
// first, then call the matching function.
#pragma once

#include "app/profile_store.h"
#include "app/settings.h"
#include "driver/driver_state.h"

namespace app {

// Environment: the timing values, the credentials (StoreCredentials), the
// directories and the wave file; then the driver gets the new values.
void WriteEnvironmentSettings(ProfileStore& store, const Settings& settings,
                              driver::DriverState& driver);
// Options: the eleven switches and limits; then the driver's flags.
void WriteOptionSettings(ProfileStore& store, const Settings& settings,
                         driver::DriverState& driver);
void WritePayoutTimeSetting(ProfileStore& store, const Settings& settings);
void WriteAutoExitSetting(ProfileStore& store, const Settings& settings);
void WriteFhwarsSettings(ProfileStore& store, const Settings& settings);
void WriteDbmnSettings(ProfileStore& store, const Settings& settings);
// The modem dialog: every key of "Pat Define".
void WriteModemSettings(ProfileStore& store, const Settings& settings);

}  // namespace app

// What each settings dialog writes when it is confirmed with OK, in the
// order the keys are written.  The dialogs update the in-memory Settings
// first, then call the matching function.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"

namespace base {

// Environment: the timing values, the credentials (StoreCredentials), the
// directories and the wave file.  The driver then takes the new values
// (app::ApplyEnvironmentSettings does both).
void WriteEnvironmentSettings(ProfileStore& store, const Settings& settings);
// Options: the eleven switches and limits.  The driver's flags follow
// (app::ApplyOptionSettings does both).
void WriteOptionSettings(ProfileStore& store, const Settings& settings);
void WritePayoutTimeSetting(ProfileStore& store, const Settings& settings);
void WriteAutoExitSetting(ProfileStore& store, const Settings& settings);
void WriteFhwarsSettings(ProfileStore& store, const Settings& settings);
void WriteDbmnSettings(ProfileStore& store, const Settings& settings);
// The modem dialog: every key of "Pat Define".
void WriteModemSettings(ProfileStore& store, const Settings& settings);

}  // namespace base

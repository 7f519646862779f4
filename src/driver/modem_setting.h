// The betting client's modem setting and Windows' long-distance dialing
// prefix.
//
// Two configurations are kept in the settings ("Pat Define", keys ending in
// 1 and 2).  At start-up the one in use is written into the client's
// registry values before the client starts; when it carries a prefix, that
// prefix replaces Windows' "LongDistanceAccess" while the program runs and
// the previous value is put back when it exits.
#pragma once

#include <string>

#include "base/profile_store.h"
#include "base/settings.h"
#include "platform/registry.h"
#include "platform/wintypes.h"

namespace driver {

// Where the client keeps its modem choice.
constexpr plat::RegRoot kClientConfigRoot = plat::RegRoot::Users;
constexpr const char* kClientConfigKey = ".Default\\Software\\JRA\\Pat for Win95\\Config";
constexpr const char* kModemNameValue = "Modem Name";
constexpr const char* kLineDeviceValue = "Line Device";
// Windows' dialing location.
constexpr plat::RegRoot kDialingRoot = plat::RegRoot::LocalMachine;
constexpr const char* kDialingKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\Location0";
constexpr const char* kLongDistanceValue = "LongDistanceAccess";

constexpr std::size_t kRegTextBufferSize = 255;  // bytes read for a string value
constexpr std::size_t kLineDeviceSize = 4;       // "Line Device" is four bytes

// The prefix that was in force before start-up replaced it.  One instance
// lives in the application object (window thread only).
struct DialingPrefixState {
    std::string savedPrefix;
    bool restorePending = false;
};

// Writes configuration `index` (0 = the keys ending in 1, 1 = those ending
// in 2) into the client's registry values.  When its "Modem Number" is not
// empty, the current "LongDistanceAccess" is kept in state (only the first
// time, so the value from before start-up is the one put back) and the
// number replaces it.  Registry failures are silent.
void ApplyModemSetting(const base::Settings& settings, int index, DialingPrefixState& state);

// Puts back the prefix ApplyModemSetting replaced, once: afterwards nothing
// is pending, so a second call (from another way out of the program) does
// nothing.  The process calls it after the main window has closed, on every
// way out.
void RestoreDialingPrefix(DialingPrefixState& state);

// The modem steps of start-up: the modem dialog with its countdown when
// "Modem Dialog Auto Close Sec" is above 0, then the configuration whose
// "Line Define Use" is 1 is applied (the first one when both are).
void StartUpModemSetting(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                         DialingPrefixState& state);

}  // namespace driver

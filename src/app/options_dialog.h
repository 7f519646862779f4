// The options dialog "動作設定": the driver's option switches, the bet-file
// and start-up switches, the purchase limits and the group size.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"
#include "driver/driver_state.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kOptionsCaption = "動作設定";

constexpr int kIdOptSkipAnn = 1022;
constexpr int kIdOptAccInp = 1023;
constexpr int kIdOptAutoPat = 1024;
constexpr int kIdOptForceMode = 1029;
constexpr int kIdOptForceTouhyo = 1060;
constexpr int kIdOptRenameSav = 1050;
constexpr int kIdOptSkipCyuui = 1052;
constexpr int kIdOptAutoMode = 1061;
constexpr int kIdOptBetDivideUnit = 1062;
constexpr int kIdOptLimitRace = 1042;
constexpr int kIdOptLimitTime = 1043;

plat::DialogTemplate OptionsTemplate();

// Shows the dialog filled from settings.  On OK the eleven values are kept
// in settings, written to the profile and the driver's flags follow; true.
// ｷｬﾝｾﾙ changes nothing; false.
bool EditOptions(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                 driver::DriverState& driver);

}  // namespace app

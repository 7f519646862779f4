// The auto-exit dialog "タイマー自動終了の設定": the time at which AUTO mode
// closes the program and the client, and whether Windows is shut down too.
#pragma once

#include "base/auto_exit_time.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kAutoExitCaption = "タイマー自動終了の設定";

constexpr int kIdAutoExitHour = 1066;
constexpr int kIdAutoExitMinute = 1067;
constexpr int kIdAutoExitUse = 1068;
constexpr int kIdAutoExitShutdown = 1069;

// "Auto Exit Time" as the dialog shows it: base::AutoExitFields, whose
// use and shutdown are the check boxes 1068 and 1069.
using base::AutoExitFields;

plat::DialogTemplate AutoExitTemplate();

// Shows the dialog filled from settings.autoExitTime.  On OK the new value
// is kept in settings and written as "Auto Exit Time"; true.  ｷｬﾝｾﾙ
// changes nothing; false.
bool EditAutoExit(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile);

}  // namespace app

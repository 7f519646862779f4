// The auto-exit dialog "タイマー自動終了の設定": the time at which AUTO mode
// closes the program and the client, and whether Windows is shut down too.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kAutoExitCaption = "タイマー自動終了の設定";

constexpr int kIdAutoExitHour = 1066;
constexpr int kIdAutoExitMinute = 1067;
constexpr int kIdAutoExitUse = 1068;
constexpr int kIdAutoExitShutdown = 1069;

// "Auto Exit Time" as the dialog shows it.  The packed value is
// hour * 100 + minute plus a mode: 0 on, 10000 on and shut Windows down,
// 20000 off.
struct AutoExitFields {
    int hour = 0;
    int minute = 0;
    int use = 0;       // check box 1068
    int shutdown = 0;  // check box 1069
};

// Any mode but 0 and 1 opens with both boxes off.
AutoExitFields UnpackAutoExit(int packed);
// "use" off gives the off mode whatever "shutdown" says.
int PackAutoExit(const AutoExitFields& fields);

plat::DialogTemplate AutoExitTemplate();

// Shows the dialog filled from settings.autoExitTime.  On OK the new value
// is kept in settings and written as "Auto Exit Time"; true.  ｷｬﾝｾﾙ
// changes nothing; false.
bool EditAutoExit(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile);

}  // namespace app

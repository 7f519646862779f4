// Dialog 144, "Ｐａｔのモデム設定の保存と設定　調整中": the two modem
// configurations, each captured from the client's current registry values,
// with its dialing prefix and its "use at start-up" box, and the seconds the
// dialog is shown at start-up.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"
#include "platform/dialog.h"

namespace driver {

constexpr const char* kModemDialogCaption = "Ｐａｔのモデム設定の保存と設定　調整中";

constexpr int kIdModemUse1 = 1072;
constexpr int kIdModemName1 = 1073;
constexpr int kIdModemCapture1 = 1074;
constexpr int kIdModemName2 = 1075;
constexpr int kIdModemCapture2 = 1076;
constexpr int kIdModemUse2 = 1077;
constexpr int kIdModemNumber1 = 1080;
constexpr int kIdModemNumber2 = 1081;
constexpr int kIdModemAutoCloseSec = 1083;
constexpr int kIdModemAutoCloseNote = 1084;

// The countdown's one-second timer.
constexpr plat::Uint kCountdownTimerId = 2;
constexpr plat::Uint kCountdownPeriodMs = 1000;

plat::DialogTemplate ModemDialogTemplate();

// Runs the dialog filled from settings.  countdownSeconds 0: the menu
// command, the user closes it.  Above 0: start-up; the dialog counts down
// that many seconds and then closes as if OK were pressed, and the stored
// seconds are left as they are.  On OK the configurations are kept in
// settings and every key of "Pat Define" is written; true.  ｷｬﾝｾﾙ changes
// nothing; false.
bool EditModemSettings(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                       int countdownSeconds);

}  // namespace driver

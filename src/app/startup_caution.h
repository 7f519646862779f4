// The start-up caution "Ornel ご利用上のお願い": the user accepts that the
// program types bet amounts into the betting client, or the program closes.
#pragma once

#include "base/run_control.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kCautionCaption = "Ornel ご利用上のお願い";
constexpr const char* kCautionText =
    "このソフトはＰＡＴ９５への投票金額の入力処理を\r\r伴います。使用者ご自身の責任でご利用ください！";

plat::DialogTemplate CautionTemplate();

// Shows the caution over the main window.  True when it is accepted with
// はい.  Any other answer sets closeWithoutAsking and posts a close request
// to the main window, so that the window closes without the exit
// confirmation once its start-up has finished; false is returned.
bool ShowCaution(plat::Hwnd mainWindow, base::RunControl& run);

}  // namespace app

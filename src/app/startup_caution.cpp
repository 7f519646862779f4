#include "app/startup_caution.h"

#include "base/dialog_parts.h"
#include "platform/window.h"

namespace app {

namespace {

using namespace base::dlg;
constexpr const char* kAcceptCaption = "はい";
constexpr const char* kDeclineCaption = "いいえ";
}  // namespace

plat::DialogTemplate CautionTemplate() {
    plat::DialogTemplate t = DialogFrame(kCautionCaption, 220, 78);
    t.items = {
        {kNoId, "Static", kCautionText, kLabelStyle, 10, 10, 200, 36},
        {plat::IDOK, "Button", kAcceptCaption, kDefaultButtonStyle, 56, 54, 48, 14},
        {plat::IDCANCEL, "Button", kDeclineCaption, kButtonStyle, 116, 54, 48, 14},
    };
    return t;
}

bool ShowCaution(plat::Hwnd mainWindow, base::RunControl& run) {
    plat::Dialog dialog(CautionTemplate());
    if (dialog.doModal(mainWindow) == plat::IDOK) return true;
    run.closeWithoutAsking = 1;
    plat::postMessage(mainWindow, plat::WM_CLOSE, 0, 0);
    return false;
}

}  // namespace app

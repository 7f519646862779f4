#include "app/exit_confirmation.h"

#include "base/dialog_parts.h"

namespace app {

namespace {

using namespace base::dlg;

constexpr const char* kQuitClientTooCaption = "PATも終了";

// OK and ｷｬﾝｾﾙ as usual; PATも終了 ends the dialog with its own id.
class ExitConfirmationDialog : public plat::Dialog {
public:
    ExitConfirmationDialog() : plat::Dialog(ExitConfirmationTemplate()) {}

protected:
    bool onCommand(int id, int) override {
        if (id != kIdQuitClientToo) return false;
        endDialog(kIdQuitClientToo);
        return true;
    }
};

}  // namespace

plat::DialogTemplate ExitConfirmationTemplate() {
    plat::DialogTemplate t = DialogFrame(kExitCaption, 186, 62);
    t.items = {
        {kNoId, "Static", kExitText, kLabelStyle, 14, 12, 160, 10},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 10, 38, 50, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 68, 38, 50, 14},
        {kIdQuitClientToo, "Button", kQuitClientTooCaption, kButtonStyle, 126, 38, 50, 14},
    };
    return t;
}

ExitChoice ConfirmExit(plat::Hwnd mainWindow) {
    ExitConfirmationDialog dialog;
    switch (dialog.doModal(mainWindow)) {
    case plat::IDOK:
        return ExitChoice::Close;
    case kIdQuitClientToo:
        return ExitChoice::CloseAndQuitClient;
    default:
        return ExitChoice::Stay;
    }
}

}  // namespace app

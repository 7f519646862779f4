// The host of a dialog that ends with the id of the button pressed (message
// boxes, the open-file dialog).
#pragma once

#include <functional>

#include "platform/sim/dialogs/dialog_host.h"

namespace sim {

class ButtonAnswerHost : public DialogHost {
public:
    // answer(id) gives the result for a command (a pressed button, or IDCANCEL
    // when the window is closed); 0 keeps the dialog open.
    explicit ButtonAnswerHost(std::function<int(int commandId)> answer) : answer_(std::move(answer)) {}

    plat::Lresult dialogMessage(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                plat::Lparam lParam) override {
        if (message != plat::WM_COMMAND) return defDialogProc(window, message, wParam, lParam);
        if (plat::hiWord(wParam) == static_cast<int>(plat::BN_CLICKED)) {
            const int result = answer_(plat::loWord(wParam));
            if (result != 0) plat::endModal(window, result);
        }
        return 0;
    }

private:
    std::function<int(int)> answer_;
};

}  // namespace sim

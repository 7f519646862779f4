// The dialog class "#32770": the window procedure of every dialog and
// message box, passing each message to the object that runs the dialog.
// A "#32770" window that a program creates by itself, without such an
// object, behaves as a plain window (closing it destroys it).
#include "platform/sim/controls/control_procs.h"
#include "platform/sim/dialogs/dialog_host.h"

namespace sim {

void attachDialogHost(plat::Hwnd window, DialogHost* host) { plat::setWindowData(window, host); }

plat::Lresult defDialogProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                            plat::Lparam lParam) {
    if (message == plat::WM_CLOSE) {
        plat::sendMessage(window, plat::WM_COMMAND, plat::makeWparam(plat::IDCANCEL, plat::BN_CLICKED),
                          static_cast<plat::Lparam>(plat::getDlgItem(window, plat::IDCANCEL)));
        return 0;
    }
    return plat::defWindowProc(window, message, wParam, lParam);
}

namespace controls {

plat::Lresult dialogClassProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                              plat::Lparam lParam) {
    auto* host = static_cast<DialogHost*>(plat::getWindowData(window));
    if (message == plat::WM_NCDESTROY) attachDialogHost(window, nullptr);
    if (host == nullptr || message == plat::WM_NCDESTROY) {
        return plat::defWindowProc(window, message, wParam, lParam);
    }
    return host->dialogMessage(window, message, wParam, lParam);
}

}  // namespace controls
}  // namespace sim

// What the main window asks of the application shell around it: the start-up
// caution and the exit confirmation (dialogs of the shell), the modem steps
// of the start-up, the payout fetch, and being told that the window exists.
#pragma once

#include "platform/wintypes.h"

namespace ui {

enum class ExitChoice {
    Stay,                // ｷｬﾝｾﾙ or the dialog closed: the window stays open
    Close,               // OK
    CloseAndQuitClient,  // PATも終了: the betting client is closed first
};

class MainWindowShell {
public:
    virtual ~MainWindowShell() = default;
    // The window exists: message boxes are owned by it and the driver
    // brings it forward.
    virtual void windowCreated(plat::Hwnd window) = 0;
    // The start-up caution.  Declined, it sets closeWithoutAsking and posts
    // a close request, so that the window closes without the exit
    // confirmation once its start-up is through.
    virtual void showCaution(plat::Hwnd window) = 0;
    virtual ExitChoice confirmExit(plat::Hwnd window) = 0;
    // The client's modem steps of the start-up: the modem dialog counting
    // down when "Modem Dialog Auto Close Sec" is set, then the line setting.
    virtual void startUpModem(plat::Hwnd window) = 0;
    // The day's payouts fetched from the client and reconciled with the bet
    // log (AutoMode at the set time), on what the payout commands use.
    virtual void fetchPayouts() = 0;
};

}  // namespace ui

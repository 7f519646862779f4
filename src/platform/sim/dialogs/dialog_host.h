// The object behind a "#32770" window: a template dialog, a message box or
// the open-file dialog.  The dialog class procedure hands it every message
// of the window; it is attached with attachDialogHost after the window is
// created and detached when the window is destroyed.  The host belongs to
// whoever runs the dialog and outlives its window.
#pragma once

#include "platform/window.h"

namespace sim {

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Handles a message of the dialog window; what it leaves to the default
    // goes to defDialogProc.
    virtual plat::Lresult dialogMessage(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                        plat::Lparam lParam) = 0;
};

void attachDialogHost(plat::Hwnd window, DialogHost* host);

// Default handling of a dialog window: WM_CLOSE becomes the command IDCANCEL
// (the window is not destroyed); everything else as defWindowProc.
plat::Lresult defDialogProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                            plat::Lparam lParam);

}  // namespace sim

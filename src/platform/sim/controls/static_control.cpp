// The "Static" class: a text (its caption) that takes no input.  Programs
// also superclass it for frames that only hold other controls.
#include "platform/sim/controls/control_procs.h"
#include "platform/sim/user_input.h"

namespace sim::controls {

plat::Lresult staticProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                         plat::Lparam lParam) {
    switch (message) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    case plat::WM_LBUTTONDOWN:
    case plat::WM_LBUTTONUP:
    case plat::WM_MOUSEMOVE:
    case plat::WM_CHAR:
    case plat::WM_KEYDOWN: return 0;
    default: return plat::defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace sim::controls

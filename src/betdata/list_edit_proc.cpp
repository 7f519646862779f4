#include "betdata/list_edit_proc.h"

namespace betdata {

namespace {

constexpr plat::Wparam kEnter = 13;
// Ctrl+V typed into the edit: the paste it stands for.
constexpr plat::Wparam kCtrlV = 0x16;

}  // namespace

void ListEditSubclass::install(plat::Hwnd edit) {
    previous_ = plat::setWindowProc(
        edit, [this](plat::Hwnd window, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam) {
            return handle(window, message, wParam, lParam);
        });
}

plat::Lresult ListEditSubclass::handle(plat::Hwnd edit, plat::Uint message, plat::Wparam wParam,
                                       plat::Lparam lParam) {
    if (message == plat::WM_CHAR && wParam == kEnter) {
        const plat::Hwnd parent = plat::getParent(edit);
        if (parent != 0) {
            plat::sendMessage(parent, kMsgReparseRequest, wParam, lParam);
            return 0;
        }
    }
    if (message == plat::WM_PASTE) return paste(edit, message, wParam, lParam);
    if (message == plat::WM_CHAR && wParam == kCtrlV) return paste(edit, plat::WM_PASTE, 0, 0);
    return plat::callWindowProc(previous_, edit, message, wParam, lParam);
}

plat::Lresult ListEditSubclass::paste(plat::Hwnd edit, plat::Uint message, plat::Wparam wParam,
                                      plat::Lparam lParam) {
    if (autoMode_.load() != 0) return 0;
    const plat::Hwnd parent = plat::getParent(edit);
    if (pasteInProgress_ || parent == 0)
        return plat::callWindowProc(previous_, edit, message, wParam, lParam);
    pasteInProgress_ = true;
    plat::sendMessage(parent, kMsgPastePrepare, 0, 0);
    const plat::Lresult result = plat::callWindowProc(previous_, edit, message, wParam, lParam);
    plat::sendMessage(parent, kMsgPasteFinish, 0, 0);
    pasteInProgress_ = false;
    return result;
}

}  // namespace betdata

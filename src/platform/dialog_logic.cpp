// The part of template dialogs that is the same on every backend: the
// data exchange on start and on OK, and the routing of commands and
// messages to the dialog object.
#include "platform/dialog.h"
#include "platform/dialog_backend.h"

namespace plat {

// The first control that takes the focus: enabled, visible and a tab stop,
// or else the first control.
Hwnd firstFocusControl(Hwnd dialog) {
    const Hwnd first = getWindow(dialog, GW_CHILD);
    for (Hwnd child = first; child != 0; child = getWindow(child, GW_HWNDNEXT)) {
        const Dword style = getStyle(child);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return child;
    }
    return first;
}

Dialog::Dialog(DialogTemplate dialogTemplate) : template_(std::move(dialogTemplate)) {}

Dialog::~Dialog() = default;

void Dialog::endDialog(int result) { endModal(hwnd_, result); }

bool Dialog::updateData(bool save) {
    DataExchange exchange(*this, save);
    doDataExchange(exchange);
    return !exchange.failed();
}

void Dialog::onOK() {
    if (updateData(true)) endDialog(IDOK);
}

void Dialog::onCancel() { endDialog(IDCANCEL); }

Lresult Dialog::handle(Uint message, Wparam wParam, Lparam lParam) {
    switch (message) {
    case WM_INITDIALOG:
        updateData(false);
        if (onInitDialog()) {
            const Hwnd focus = firstFocusControl(hwnd_);
            if (focus != 0) setFocus(focus);
        }
        return 1;
    case WM_COMMAND: {
        const int id = loWord(wParam);
        if (onCommand(id, hiWord(wParam))) return 0;
        if (id == IDOK) onOK();
        if (id == IDCANCEL) onCancel();
        return 0;
    }
    default: {
        bool handled = false;
        const Lresult result = onMessage(message, wParam, lParam, handled);
        return handled ? result : defaultDialogMessage(hwnd_, message, wParam, lParam);
    }
    }
}

}  // namespace plat

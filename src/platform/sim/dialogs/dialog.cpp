// Modal dialogs built from templates.
//
// doModal creates the "#32770" window (hidden), sizes it to the template,
// places it (template position relative to the owner's client area, or
// centred on the screen without an owner), creates the controls, sends
// WM_INITDIALOG (the data exchange fills the controls, then onInitDialog),
// shows the window and runs the modal loop until endDialog.
#include "platform/dialog.h"

#include "platform/sim/dialogs/dialog_host.h"
#include "platform/sim/dialogs/dialog_window.h"

namespace plat {

struct DialogProcAccess {
    static Lresult handle(Dialog& dialog, Uint message, Wparam wParam, Lparam lParam) {
        return dialog.handle(message, wParam, lParam);
    }
};

namespace {

class TemplateDialogHost : public sim::DialogHost {
public:
    explicit TemplateDialogHost(Dialog& dialog) : dialog_(dialog) {}
    Lresult dialogMessage(Hwnd, Uint message, Wparam wParam, Lparam lParam) override {
        return DialogProcAccess::handle(dialog_, message, wParam, lParam);
    }

private:
    Dialog& dialog_;
};

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

void placeDialog(Hwnd window, const DialogTemplate& dialogTemplate, Hwnd owner) {
    const Rect client = mapDialogRect(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx,
                                      dialogTemplate.cy);
    sim::setClientSize(window, client.width(), client.height());
    if (owner == 0) {
        sim::centreWindow(window, 0);
        return;
    }
    Point origin;
    clientToScreen(owner, origin);
    sim::moveWindowTo(window, origin.x + client.left, origin.y + client.top);
}

}  // namespace

Dialog::Dialog(DialogTemplate dialogTemplate) : template_(std::move(dialogTemplate)) {}

Dialog::~Dialog() = default;

int Dialog::doModal(Hwnd owner) {
    owner = sim::topLevelWindow(owner);
    TemplateDialogHost host(*this);
    hwnd_ = sim::createDialogWindow(template_.caption, template_.style, owner);
    if (hwnd_ == 0) return -1;
    int result = IDCANCEL;
    {
        // The window is destroyed at the end of this block (while hwnd_ still
        // names it for the dialog's WM_DESTROY), however the block is left.
        const sim::AttachedHost attached(hwnd_, host);
        placeDialog(hwnd_, template_, owner);
        for (const DialogItem& item : template_.items) {
            sim::addControl(hwnd_, item.className, item.text, item.style,
                            mapDialogRect(item.x, item.y, item.cx, item.cy), item.id);
        }
        sendMessage(hwnd_, WM_INITDIALOG, static_cast<Wparam>(firstFocusControl(hwnd_)), 0);
        if (isWindow(hwnd_)) result = sim::runDialogWindow(hwnd_);
    }
    hwnd_ = 0;
    return result;
}

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
        return handled ? result : sim::defDialogProc(hwnd_, message, wParam, lParam);
    }
    }
}

}  // namespace plat

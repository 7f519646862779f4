// Modal dialogs built from templates on the simulated desktop.
//
// doModal creates the "#32770" window (hidden), sizes it to the template,
// places it (template position relative to the owner's client area, or
// centred on the screen without an owner), creates the controls, sends
// WM_INITDIALOG (the data exchange fills the controls, then onInitDialog),
// shows the window and runs the modal loop until endDialog.
#include "platform/dialog.h"
#include "platform/dialog_backend.h"

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

Lresult defaultDialogMessage(Hwnd dialog, Uint message, Wparam wParam, Lparam lParam) {
    return sim::defDialogProc(dialog, message, wParam, lParam);
}

}  // namespace plat

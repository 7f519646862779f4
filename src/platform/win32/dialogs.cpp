// Template dialogs on Windows: an in-memory template run by Windows' own
// modal dialog loop, whose procedure hands every message to the Dialog.
#include "platform/win32/resource_templates.h"
#include "platform/win32/template_dialogs.h"

namespace plat {

struct DialogProcAccess {
    static Lresult handle(Dialog& dialog, Uint message, Wparam wParam, Lparam lParam) {
        return dialog.handle(message, wParam, lParam);
    }
    static void attach(Dialog& dialog, Hwnd window) { dialog.hwnd_ = window; }
};

namespace {

// Set by defaultDialogMessage: the message goes on to Windows' default
// dialog handling (the dialog procedure answers FALSE).
thread_local bool leftToDefault = false;

INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        DialogProcAccess::attach(*dialog, win32::handle(window));
        lParam = 0;
    } else {
        dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (dialog == nullptr) return FALSE;
    const bool outer = leftToDefault;
    leftToDefault = false;
    const Lresult result = DialogProcAccess::handle(*dialog, message, wParam, lParam);
    const bool defaulted = leftToDefault;
    leftToDefault = outer;
    if (message == WM_INITDIALOG) return result;
    if (defaulted) return FALSE;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace

int Dialog::doModal(Hwnd owner) {
    const std::vector<WORD> tmpl = win32::buildDialogTemplate(template_, owner == 0);
    const INT_PTR result = DialogBoxIndirectParamA(win32::instance(), reinterpret_cast<LPCDLGTEMPLATEA>(tmpl.data()),
                                                   win32::hwnd(owner), dialogProc, reinterpret_cast<LPARAM>(this));
    hwnd_ = 0;
    return static_cast<int>(result);
}

}  // namespace plat

namespace win32 {

bool isTemplateDialog(HWND window) {
    return reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC)) == plat::dialogProc;
}

}  // namespace win32

namespace plat {

Lresult defaultDialogMessage(Hwnd, Uint, Wparam, Lparam) {
    leftToDefault = true;
    return 0;
}

Rect mapDialogRect(int x, int y, int cx, int cy) {
    const LONG units = GetDialogBaseUnits();
    const int baseX = LOWORD(units);
    const int baseY = HIWORD(units);
    const int left = MulDiv(x, baseX, 4);
    const int top = MulDiv(y, baseY, 8);
    return {left, top, left + MulDiv(cx, baseX, 4), top + MulDiv(cy, baseY, 8)};
}

}  // namespace plat

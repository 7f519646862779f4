// What the program's dialogs share: their font, the OK and ｷｬﾝｾﾙ buttons,
// the styles of their controls, and reading a field's whole text.
#pragma once

#include <string>

#include "platform/dialog.h"

namespace base::dlg {

constexpr const char* kDialogFont = "ＭＳ ゴシック";
constexpr int kDialogPointSize = 9;
constexpr int kNoId = -1;  // labels and frames

constexpr const char* kOkCaption = "OK";
constexpr const char* kCancelCaption = "ｷｬﾝｾﾙ";

constexpr plat::Dword kModalStyle = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_SYSMENU;
constexpr plat::Dword kDefaultButtonStyle = plat::BS_DEFPUSHBUTTON | plat::WS_TABSTOP;
constexpr plat::Dword kButtonStyle = plat::BS_PUSHBUTTON | plat::WS_TABSTOP;
constexpr plat::Dword kCheckStyle = plat::BS_AUTOCHECKBOX | plat::WS_TABSTOP;
constexpr plat::Dword kGroupStyle = plat::BS_GROUPBOX;
constexpr plat::Dword kLabelStyle = plat::SS_LEFT;
constexpr plat::Dword kTextFieldStyle = plat::ES_AUTOHSCROLL | plat::WS_BORDER | plat::WS_TABSTOP;
constexpr plat::Dword kNumberFieldStyle = plat::ES_NUMBER | kTextFieldStyle;
constexpr plat::Dword kReadOnlyFieldStyle = plat::ES_READONLY | kTextFieldStyle;

// A template with the shared caption style and font; items follow.
inline plat::DialogTemplate DialogFrame(const char* caption, int cx, int cy) {
    plat::DialogTemplate t;
    t.caption = caption;
    t.style = kModalStyle;
    t.cx = cx;
    t.cy = cy;
    t.fontName = kDialogFont;
    t.pointSize = kDialogPointSize;
    return t;
}

// The whole text of a control, however long.
inline std::string WholeText(plat::Hwnd control) {
    const plat::Lresult length = plat::sendMessage(control, plat::WM_GETTEXTLENGTH, 0, 0);
    return plat::getWindowText(control, length > 0 ? static_cast<std::size_t>(length) + 1 : 1);
}

}  // namespace base::dlg

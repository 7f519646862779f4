// What the settings dialogs share: their font, the OK and ｷｬﾝｾﾙ buttons and
// the styles of their controls.
#pragma once

#include "platform/dialog.h"

namespace app {

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

}  // namespace app

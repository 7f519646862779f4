#include "ui/main_window_layout.h"

namespace ui {

namespace {

using plat::Dword;

constexpr const char* kFont = "ＭＳ ゴシック";
constexpr int kPointSize = 9;
constexpr int kWidth = 185, kHeight = 215;  // dialog units
constexpr Dword kWindowStyle =
    plat::WS_POPUP | plat::WS_CAPTION | plat::WS_SYSMENU | plat::WS_MINIMIZEBOX | plat::WS_THICKFRAME;

constexpr Dword kStatusStyle = plat::ES_MULTILINE | plat::ES_READONLY | plat::WS_VSCROLL | plat::WS_BORDER;
constexpr Dword kListStyle = plat::ES_MULTILINE | plat::ES_UPPERCASE | plat::ES_WANTRETURN |
                             plat::ES_AUTOVSCROLL | plat::WS_VSCROLL | plat::WS_BORDER | plat::WS_TABSTOP;
constexpr Dword kStagingStyle = plat::ES_MULTILINE | plat::ES_AUTOHSCROLL | plat::WS_DISABLED;
constexpr Dword kButtonStyle = plat::BS_PUSHBUTTON | plat::WS_TABSTOP;

}  // namespace

plat::DialogTemplate MainWindowTemplate() {
    plat::DialogTemplate t;
    t.caption = kMainCaption;
    t.style = kWindowStyle;
    t.cx = kWidth;
    t.cy = kHeight;
    t.fontName = kFont;
    t.pointSize = kPointSize;
    // In creation order, which is the tab order.
    t.items = {
        {kIdStatusBox, "Edit", "", kStatusStyle, 3, 1, 119, 36},
        {kIdBetList, "Edit", "", kListStyle, 3, 39, 179, 173},
        {kIdStaging, "Edit", "", kStagingStyle, 3, 39, 179, 173},
        {kIdBet, "Button", "投票", kButtonStyle, 124, 4, 19, 14},
        {kIdLoad, "Button", "読込", kButtonStyle, 124, 21, 19, 14},
        {kIdMerge, "Button", "ﾏ-ｼﾞ", kButtonStyle, 143, 4, 19, 14},
        {kIdClear, "Button", "ｸﾘｱ", kButtonStyle, 143, 21, 19, 14},
        {kIdAutoMode, "Button", "AUTO", kButtonStyle, 162, 21, 20, 14},
        {kIdHelp, "Button", "？", kButtonStyle, 162, 4, 20, 14},
    };
    return t;
}

}  // namespace ui

#include "clientdata/timer_bet_dialog.h"

#include "platform/dialog.h"

namespace clientdata {

namespace {

using plat::DialogItem;

constexpr const char* kDialogFont = "ＭＳ ゴシック";
constexpr int kNoId = -1;  // labels
constexpr plat::Dword kFieldStyle = plat::ES_NUMBER | plat::WS_BORDER | plat::WS_TABSTOP;
constexpr plat::Dword kOkStyle = plat::BS_DEFPUSHBUTTON | plat::WS_TABSTOP;
constexpr plat::Dword kCancelStyle = plat::BS_PUSHBUTTON | plat::WS_TABSTOP;

struct Range {
    int min;
    int max;
};
constexpr Range kDayRange{1, 31};
constexpr Range kHourRange{9, 16};
constexpr Range kMinuteRange{0, 59};
constexpr Range kYearRange{0, 9999};
constexpr Range kMonthRange{1, 12};

plat::DialogTemplate timerBetTemplate() {
    plat::DialogTemplate t;
    t.caption = kTimerBetDialogCaption;
    t.cx = 186;
    t.cy = 64;
    t.fontName = kDialogFont;
    t.items = {
        {kNoId, "Button", "投票日時", plat::BS_GROUPBOX, 6, 4, 174, 34},
        {kIdTimerBetYear, "Edit", "", kFieldStyle, 12, 17, 20, 12},
        {kNoId, "Static", "年", plat::SS_LEFT, 34, 19, 10, 8},
        {kIdTimerBetMonth, "Edit", "", kFieldStyle, 46, 17, 16, 12},
        {kNoId, "Static", "月", plat::SS_LEFT, 64, 19, 10, 8},
        {kIdTimerBetDay, "Edit", "", kFieldStyle, 76, 17, 16, 12},
        {kNoId, "Static", "日", plat::SS_LEFT, 94, 19, 10, 8},
        {kIdTimerBetHour, "Edit", "", kFieldStyle, 112, 17, 16, 12},
        {kNoId, "Static", "時", plat::SS_LEFT, 130, 19, 10, 8},
        {kIdTimerBetMinute, "Edit", "", kFieldStyle, 142, 17, 16, 12},
        {kNoId, "Static", "分", plat::SS_LEFT, 160, 19, 10, 8},
        {plat::IDOK, "Button", "OK", kOkStyle, 42, 44, 44, 14},
        {plat::IDCANCEL, "Button", "ｷｬﾝｾﾙ", kCancelStyle, 100, 44, 44, 14},
    };
    return t;
}

class TimerBetDialog : public plat::Dialog {
public:
    explicit TimerBetDialog(const TimerBetMoment& moment) : plat::Dialog(timerBetTemplate()), moment_(moment) {}
    const TimerBetMoment& moment() const { return moment_; }

protected:
    // The order of the checks on OK.
    void doDataExchange(plat::DataExchange& dx) override {
        dx.integer(kIdTimerBetDay, moment_.day, kDayRange.min, kDayRange.max);
        dx.integer(kIdTimerBetHour, moment_.hour, kHourRange.min, kHourRange.max);
        dx.integer(kIdTimerBetMinute, moment_.minute, kMinuteRange.min, kMinuteRange.max);
        dx.integer(kIdTimerBetYear, moment_.year, kYearRange.min, kYearRange.max);
        dx.integer(kIdTimerBetMonth, moment_.month, kMonthRange.min, kMonthRange.max);
    }

private:
    TimerBetMoment moment_;
};

}  // namespace

bool ChooseTimerBetMoment(plat::Hwnd owner, TimerBetMoment& moment) {
    TimerBetDialog dialog(moment);
    if (dialog.doModal(owner) != plat::IDOK) return false;
    moment = dialog.moment();
    return true;
}

}  // namespace clientdata

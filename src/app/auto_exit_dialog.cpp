#include "app/auto_exit_dialog.h"

#include "base/dialog_parts.h"
#include "base/settings_write_sets.h"

namespace app {

namespace {

using namespace base::dlg;

constexpr int kModeUnit = 10000;  // the mode sits above hour * 100 + minute
constexpr int kModeOn = 0;
constexpr int kModeOnWithShutdown = 1;
constexpr int kModeOff = 2;

constexpr int kHourMax = 23;
constexpr int kMinuteMax = 59;

class AutoExitDialog : public plat::Dialog {
public:
    explicit AutoExitDialog(const AutoExitFields& fields)
        : plat::Dialog(AutoExitTemplate()), fields_(fields) {}
    const AutoExitFields& fields() const { return fields_; }

protected:
    void doDataExchange(plat::DataExchange& dx) override {
        dx.integer(kIdAutoExitHour, fields_.hour, 0, kHourMax);
        dx.integer(kIdAutoExitMinute, fields_.minute, 0, kMinuteMax);
        dx.check(kIdAutoExitUse, fields_.use);
        dx.check(kIdAutoExitShutdown, fields_.shutdown);
    }

private:
    AutoExitFields fields_;
};

}  // namespace

AutoExitFields UnpackAutoExit(int packed) {
    AutoExitFields fields;
    fields.hour = packed % kModeUnit / 100;
    fields.minute = packed % 100;
    const int mode = packed / kModeUnit;
    fields.use = mode == kModeOn || mode == kModeOnWithShutdown;
    fields.shutdown = mode == kModeOnWithShutdown;
    return fields;
}

int PackAutoExit(const AutoExitFields& fields) {
    const int mode = !fields.use ? kModeOff : fields.shutdown ? kModeOnWithShutdown : kModeOn;
    return mode * kModeUnit + fields.hour * 100 + fields.minute;
}

plat::DialogTemplate AutoExitTemplate() {
    plat::DialogTemplate t = DialogFrame(kAutoExitCaption, 230, 100);
    t.items = {
        {kNoId, "Static", "終了時刻（２４時表記）", kLabelStyle, 10, 10, 92, 8},
        {kIdAutoExitHour, "Edit", "", kNumberFieldStyle, 104, 8, 22, 12},
        {kNoId, "Static", "時", kLabelStyle, 128, 10, 10, 8},
        {kIdAutoExitMinute, "Edit", "", kNumberFieldStyle, 140, 8, 22, 12},
        {kNoId, "Static", "分", kLabelStyle, 164, 10, 10, 8},
        {kIdAutoExitUse, "Button", "自動終了機能を使用する。", kCheckStyle, 10, 28, 200, 10},
        {kIdAutoExitShutdown, "Button", "Windowsもシャットダウン（システムがサポートしていれば）",
         kCheckStyle, 10, 42, 214, 10},
        {kNoId, "Static", "ＡＵＴＯモードで指定時刻にＯｒｎｅｌとＰａｔ９５を終了します。", kLabelStyle,
         10, 58, 214, 10},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 60, 78, 50, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 120, 78, 50, 14},
    };
    return t;
}

bool EditAutoExit(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile) {
    AutoExitDialog dialog(UnpackAutoExit(settings.autoExitTime));
    if (dialog.doModal(owner) != plat::IDOK) return false;
    settings.autoExitTime = PackAutoExit(dialog.fields());
    base::WriteAutoExitSetting(profile, settings);
    return true;
}

}  // namespace app

#include "app/auto_exit_dialog.h"

#include "base/dialog_parts.h"
#include "base/settings_write_sets.h"

namespace app {

namespace {

using namespace base::dlg;

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
    AutoExitDialog dialog(base::UnpackAutoExit(settings.autoExitTime));
    if (dialog.doModal(owner) != plat::IDOK) return false;
    settings.autoExitTime = base::PackAutoExit(dialog.fields());
    base::WriteAutoExitSetting(profile, settings);
    return true;
}

}  // namespace app

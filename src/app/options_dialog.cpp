#include "app/options_dialog.h"

#include "app/settings_apply.h"
#include "base/dialog_parts.h"
#include "base/settings_dialog.h"

namespace app {

namespace {

using namespace base::dlg;
using base::Settings;

constexpr int kLimitMin = 100;        // yen
constexpr int kLimitMax = 999900;     // yen
constexpr int kDivideUnitMin = 10;    // bets per group
constexpr int kDivideUnitMax = 50;

// In the order they are validated; the check boxes cannot fail.
std::vector<base::DialogField> optionFields() {
    return {
        base::NumberField(kIdOptLimitTime, &Settings::limitTime, kLimitMin, kLimitMax),
        base::NumberField(kIdOptLimitRace, &Settings::limitRace, kLimitMin, kLimitMax),
        base::NumberField(kIdOptBetDivideUnit, &Settings::betDivideUnit, kDivideUnitMin, kDivideUnitMax),
        base::CheckField(kIdOptSkipAnn, &Settings::skipAnn),
        base::CheckField(kIdOptAccInp, &Settings::accInp),
        base::CheckField(kIdOptAutoPat, &Settings::autoPat),
        base::CheckField(kIdOptForceMode, &Settings::forceMode),
        base::CheckField(kIdOptForceTouhyo, &Settings::forceTouhyo),
        base::CheckField(kIdOptRenameSav, &Settings::renameSav),
        base::CheckField(kIdOptSkipCyuui, &Settings::skipCyuui),
        base::CheckField(kIdOptAutoMode, &Settings::autoMode),
    };
}

}  // namespace

plat::DialogTemplate OptionsTemplate() {
    plat::DialogTemplate t = DialogFrame(kOptionsCaption, 200, 196);
    t.items = {
        {kIdOptSkipAnn, "Button", "投票要項を取得しない", kCheckStyle, 12, 8, 176, 10},
        {kIdOptAccInp, "Button", "投票合計金額自動入力", kCheckStyle, 12, 22, 176, 10},
        {kIdOptAutoPat, "Button", "自動投票", kCheckStyle, 12, 36, 176, 10},
        {kIdOptForceMode, "Button", "自動強制投票", kCheckStyle, 12, 50, 176, 10},
        {kIdOptForceTouhyo, "Button", "いつも強制投票", kCheckStyle, 12, 64, 176, 10},
        {kIdOptRenameSav, "Button", "BETファイル読込後 .SAV にリネーム", kCheckStyle, 12, 78, 176, 10},
        {kIdOptSkipCyuui, "Button", "起動時ご注意スキップ", kCheckStyle, 12, 92, 176, 10},
        {kIdOptAutoMode, "Button", "起動で自動ＡＵＴＯモード", kCheckStyle, 12, 106, 176, 10},
        {kNoId, "Static", "投票自動分割ベット数", kLabelStyle, 12, 124, 100, 8},
        {kIdOptBetDivideUnit, "Edit", "", kNumberFieldStyle, 120, 122, 40, 12},
        {kNoId, "Static", "１レース購入額上限", kLabelStyle, 12, 140, 100, 8},
        {kIdOptLimitRace, "Edit", "", kNumberFieldStyle, 120, 138, 50, 12},
        {kNoId, "Static", "１投票購入額上限", kLabelStyle, 12, 156, 100, 8},
        {kIdOptLimitTime, "Edit", "", kNumberFieldStyle, 120, 154, 50, 12},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 44, 176, 50, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 106, 176, 50, 14},
    };
    return t;
}

bool EditOptions(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                 driver::DriverState& driver) {
    base::SettingsDialog dialog(OptionsTemplate(), settings, optionFields());
    if (!dialog.run(owner, settings)) return false;
    ApplyOptionSettings(profile, settings, driver);
    return true;
}

}  // namespace app

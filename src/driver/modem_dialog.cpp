#include "driver/modem_dialog.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "base/dialog_parts.h"
#include "base/settings_dialog.h"
#include "base/settings_write_sets.h"
#include "base/strings.h"
#include "driver/modem_setting.h"
#include "driver/registry_value.h"

namespace driver {

namespace {

using namespace base::dlg;
using base::Settings;

constexpr std::size_t kModemNameMax = 64;
constexpr std::size_t kModemNumberMax = 4;
constexpr int kAutoCloseMax = 60;  // seconds

constexpr const char* kSecondsFormat = "%3d";
constexpr const char* kRemainingFormat = "  %3d";

std::vector<base::DialogField> modemFields(bool countdown) {
    std::vector<base::DialogField> fields = {
        base::TextField(kIdModemName1, &Settings::modemName1, kModemNameMax),
        base::TextField(kIdModemNumber1, &Settings::modemNumber1, kModemNumberMax),
        base::CheckField(kIdModemUse1, &Settings::lineDefineUse1),
        base::TextField(kIdModemName2, &Settings::modemName2, kModemNameMax),
        base::TextField(kIdModemNumber2, &Settings::modemNumber2, kModemNumberMax),
        base::CheckField(kIdModemUse2, &Settings::lineDefineUse2),
        base::HiddenField(&Settings::lineDevice1),
        base::HiddenField(&Settings::lineDevice2),
    };
    // During the countdown the field shows the seconds left, not a setting.
    if (!countdown) fields.push_back(base::NumberField(kIdModemAutoCloseSec, &Settings::modemDialogAutoCloseSec, 0, kAutoCloseMax));
    return fields;
}

std::string formatSeconds(const char* format, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, format, seconds);
    return text;
}

class ModemDialog : public base::SettingsDialog {
public:
    ModemDialog(const Settings& settings, int countdownSeconds)
        : base::SettingsDialog(ModemDialogTemplate(), settings, modemFields(countdownSeconds > 0)),
          countdownSeconds_(countdownSeconds),
          remaining_(countdownSeconds) {}

protected:
    bool onInitDialog() override {
        if (countdownSeconds_ > 0) {
            plat::setTimer(hwnd(), kCountdownTimerId, kCountdownPeriodMs);
            showSeconds(kSecondsFormat, countdownSeconds_);
            plat::enableWindow(item(kIdModemAutoCloseSec), false);
            plat::setWindowText(item(kIdModemAutoCloseNote), base::messageText(base::kMsgCountdown));
        }
        return true;
    }

    bool onCommand(int id, int) override {
        switch (id) {
        case kIdModemCapture1: capture(kIdModemName1, values().lineDevice1); return true;
        case kIdModemCapture2: capture(kIdModemName2, values().lineDevice2); return true;
        case kIdModemUse1: uncheckOther(kIdModemUse1, kIdModemUse2); return true;
        case kIdModemUse2: uncheckOther(kIdModemUse2, kIdModemUse1); return true;
        default: return false;
        }
    }

    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam, bool& handled) override {
        handled = false;
        if (message == plat::WM_TIMER && wParam == kCountdownTimerId) {
            handled = true;
            tick();
        } else if (message == plat::WM_DESTROY) {
            plat::killTimer(hwnd(), kCountdownTimerId);
        }
        return 0;
    }

private:
    void tick() {
        if (--remaining_ > 0) {
            showSeconds(kRemainingFormat, remaining_);
            return;
        }
        plat::killTimer(hwnd(), kCountdownTimerId);
        showSeconds(kSecondsFormat, countdownSeconds_);
        onOK();
    }

    void showSeconds(const char* format, int seconds) {
        plat::setWindowText(item(kIdModemAutoCloseSec), formatSeconds(format, seconds));
    }

    // The client's current modem name goes into the field and its line
    // device into the configuration.  A value that cannot be read leaves
    // the field or the line device as it was; so does a line device that
    // is not exactly four bytes long.
    void capture(int nameField, int& lineDevice) {
        std::string name;
        if (RegText(kClientConfigRoot, kClientConfigKey, kModemNameValue, kRegTextBufferSize, name))
            plat::setWindowText(item(nameField), name);
        std::vector<std::uint8_t> device;
        if (RegValue(kClientConfigRoot, kClientConfigKey, kLineDeviceValue, device, kLineDeviceSize,
                     RegMode::Read, plat::REG_BINARY) &&
            device.size() == kLineDeviceSize) {
            std::uint32_t bits = 0;
            for (std::size_t i = 0; i < kLineDeviceSize; ++i) bits |= std::uint32_t{device[i]} << (8 * i);
            lineDevice = static_cast<std::int32_t>(bits);
        }
    }

    // At most one configuration is used at start-up.
    void uncheckOther(int clicked, int other) {
        if (plat::sendMessage(item(clicked), plat::BM_GETCHECK, 0, 0) == static_cast<plat::Lresult>(plat::BST_CHECKED))
            plat::sendMessage(item(other), plat::BM_SETCHECK, plat::BST_UNCHECKED, 0);
    }

    const int countdownSeconds_;
    int remaining_;
};

}  // namespace

plat::DialogTemplate ModemDialogTemplate() {
    constexpr const char* kCaptureCaption = "現在のＰａｔのモデム設定を取り込む";
    constexpr const char* kNameLabel = "・Ｐａｔのモデム設定";
    constexpr const char* kNumberLabel = "・ＫＤＤなどの番号";
    constexpr const char* kUseCaption = "この設定を使う";
    plat::DialogTemplate t = DialogFrame(kModemDialogCaption, 260, 206);
    t.items = {
        {kNoId, "Button", "設定１", kGroupStyle, 6, 4, 248, 62},
        {kIdModemCapture1, "Button", kCaptureCaption, kButtonStyle, 12, 14, 160, 14},
        {kIdModemUse1, "Button", kUseCaption, kCheckStyle, 180, 16, 70, 10},
        {kNoId, "Static", kNameLabel, kLabelStyle, 12, 34, 80, 8},
        {kIdModemName1, "Edit", "", kReadOnlyFieldStyle, 96, 32, 152, 12},
        {kNoId, "Static", kNumberLabel, kLabelStyle, 12, 50, 80, 8},
        {kIdModemNumber1, "Edit", "", kNumberFieldStyle, 96, 48, 30, 12},
        {kNoId, "Button", "設定２", kGroupStyle, 6, 70, 248, 62},
        {kIdModemCapture2, "Button", kCaptureCaption, kButtonStyle, 12, 80, 160, 14},
        {kIdModemUse2, "Button", kUseCaption, kCheckStyle, 180, 82, 70, 10},
        {kNoId, "Static", kNameLabel, kLabelStyle, 12, 100, 80, 8},
        {kIdModemName2, "Edit", "", kReadOnlyFieldStyle, 96, 98, 152, 12},
        {kNoId, "Static", kNumberLabel, kLabelStyle, 12, 116, 80, 8},
        {kIdModemNumber2, "Edit", "", kNumberFieldStyle, 96, 114, 30, 12},
        {kNoId, "Static",
         "ＫＤＤなどの番号はＯｒｎｅｌの起動中のみダイヤルのプロパティの市外通話発信番号を設定します。",
         kLabelStyle, 8, 138, 244, 18},
        {kIdModemAutoCloseSec, "Edit", "", kNumberFieldStyle, 8, 162, 30, 12},
        {kIdModemAutoCloseNote, "Static", "Ornel 起動時に、このダイヤログを表示する秒数", kLabelStyle, 42, 164,
         210, 8},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 70, 184, 50, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 140, 184, 50, 14},
    };
    return t;
}

bool EditModemSettings(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                       int countdownSeconds) {
    ModemDialog dialog(settings, countdownSeconds);
    if (!dialog.run(owner, settings)) return false;
    base::WriteModemSettings(profile, settings);
    return true;
}

}  // namespace driver

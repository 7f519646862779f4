#include "app/environment_dialog.h"

#include "app/settings_apply.h"
#include "base/credentials.h"
#include "base/dialog_parts.h"
#include "base/path_helpers.h"
#include "base/settings_dialog.h"
#include "base/strings.h"
#include "platform/system.h"

namespace app {

namespace {

using namespace base::dlg;
using base::Settings;

constexpr std::size_t kPathFieldMax = 255;
constexpr int kActionWaitMin = 10, kActionWaitMax = 9999;          // ms
constexpr int kMessageWaitMin = 10, kMessageWaitMax = 9999;        // ms
constexpr int kWatchIntervalMin = 60, kWatchIntervalMax = 600;     // s
constexpr int kWindowOpenWaitMin = 1, kWindowOpenWaitMax = 99;     // s
constexpr int kShimekiriMaeMin = 3, kShimekiriMaeMax = 20;         // minutes

constexpr const char* kBrowseCaption = "参照";
constexpr plat::Dword kPasswordFieldStyle = kNumberFieldStyle | plat::ES_PASSWORD;

// What each browse button asks for.
struct BrowseKind {
    int field;
    const char* prompt;  // shown before the open-file dialog; nullptr = none
    const char* defaultExtension;
    const char* initialName;  // nullptr = the field's current text
    const char* filter;
    bool directoryOnly;       // the chosen file stands for its directory
};

constexpr BrowseKind kBrowseClient{
    kIdEnvClientPath, base::kTextChooseClientExe, "EXE", "Pat95*.exe",
    "Pat95 ｱﾌﾟﾘｹｰｼｮﾝ (Pat95*.exe)|Pat95*.exe|ｱﾌﾟﾘｹｰｼｮﾝ (*.exe)|*.exe|All Files (*.*)|*.*||", false};
constexpr BrowseKind kBrowseBetFileDir{
    kIdEnvBetFileDir, base::kTextChooseBetFileDir, "BET", "*.bet",
    "BET Files (*.bet)|*.BET|TGP Files (*.tgp)|*.TGP|BET Files (*.bet;*.tgp)|*.BET;*.TGP|All Files (*.*)|*.*||",
    true};
constexpr BrowseKind kBrowseTargetDir{kIdEnvTargetDir, base::kTextChooseRaceCardDir, "DEN", "*.den",
                                      "出馬表 Files (*.den)|*.DEN|All Files (*.*)|*.*||", true};
constexpr BrowseKind kBrowseWave{kIdEnvWaveFile, nullptr, "WAV", nullptr,
                                 "Wave Files (*.wav)|*.WAV|All Files (*.*)|*.*||", false};

// In the order they are validated.
std::vector<base::DialogField> environmentFields() {
    return {
        base::NumberField(kIdEnvActionWait, &Settings::actionWait, kActionWaitMin, kActionWaitMax),
        base::NumberField(kIdEnvMessageWait, &Settings::messageWait, kMessageWaitMin, kMessageWaitMax),
        base::NumberField(kIdEnvWatchInterval, &Settings::betFileWatchDistance, kWatchIntervalMin,
                          kWatchIntervalMax),
        base::NumberField(kIdEnvWindowOpenWait, &Settings::windowOpenWait, kWindowOpenWaitMin,
                          kWindowOpenWaitMax),
        base::TextField(kIdEnvBetFileDir, &Settings::betFileDir, kPathFieldMax),
        base::TextField(kIdEnvClientPath, &Settings::pat95Dir, kPathFieldMax),
        base::TextField(kIdEnvUserId, &Settings::userId, base::kMaxUserIdLength),
        base::TextField(kIdEnvPassword, &Settings::password, base::kMaxPasswordLength),
        base::TextField(kIdEnvTargetDir, &Settings::targetDir),
        base::TextField(kIdEnvWaveFile, &Settings::annaiWaveFile),
        base::NumberField(kIdEnvShimekiriMae, &Settings::shimekiriMae, kShimekiriMaeMin, kShimekiriMaeMax),
    };
}

class EnvironmentDialog : public base::SettingsDialog {
public:
    explicit EnvironmentDialog(const Settings& settings)
        : base::SettingsDialog(EnvironmentTemplate(), settings, environmentFields()) {}

protected:
    bool onCommand(int id, int) override {
        switch (id) {
        case kIdEnvBrowseClient: browse(kBrowseClient); return true;
        case kIdEnvBrowseBetFileDir: browse(kBrowseBetFileDir); return true;
        case kIdEnvBrowseTargetDir: browse(kBrowseTargetDir); return true;
        case kIdEnvBrowseWave:
            if (browse(kBrowseWave)) playWave();
            return true;
        case kIdEnvPlayWave: playWave(); return true;
        default: return false;
        }
    }

    void onOK() override {
        std::string exe = text(kIdEnvClientPath);
        if (!base::ReplacePathPart(exe, kClientExeName, kClientExeExtension) || !base::FileHasData(exe)) {
            tell(base::kTextClientExeMissing);
            plat::setFocus(item(kIdEnvClientPath));
            return;
        }
        plat::setWindowText(item(kIdEnvClientPath), exe);
        cutToDirectory(kIdEnvBetFileDir);
        cutToDirectory(kIdEnvTargetDir);
        base::SettingsDialog::onOK();
    }

private:
    std::string text(int id) const { return WholeText(item(id)); }

    void tell(const char* message) {
        plat::messageBox(hwnd(), message, base::kProgramCaption, plat::MB_OK);
    }

    void cutToDirectory(int id) {
        std::string path = text(id);
        if (base::ReplacePathPart(path, nullptr)) plat::setWindowText(item(id), path);
    }

    // The chosen file goes into its own field only: what the user has typed
    // into the other fields stays until OK or ｷｬﾝｾﾙ.
    bool browse(const BrowseKind& kind) {
        if (kind.prompt) tell(kind.prompt);
        plat::OpenFileRequest request;
        request.filter = kind.filter;
        request.defaultExtension = kind.defaultExtension;
        request.fileName = kind.initialName ? kind.initialName : text(kind.field);
        request.hideReadOnly = true;
        if (!plat::openFileDialog(hwnd(), request)) return false;
        std::string value = request.chosenPath;
        if (kind.directoryOnly && !base::ReplacePathPart(value, nullptr)) return false;
        plat::setWindowText(item(kind.field), value);
        return true;
    }

    void playWave() {
        const std::string wave = text(kIdEnvWaveFile);
        if (!wave.empty() && base::FileHasData(wave))
            plat::playSound(wave, plat::SND_ASYNC | plat::SND_NODEFAULT);
    }
};

}  // namespace

plat::DialogTemplate EnvironmentTemplate() {
    plat::DialogTemplate t = DialogFrame(kEnvironmentCaption, 280, 250);
    t.items = {
        {kNoId, "Button", "ディレクトリの設定", kGroupStyle, 6, 4, 268, 94},
        {kNoId, "Static", "・Ｐａｔ９５．ｅｘｅ", kLabelStyle, 12, 18, 70, 8},
        {kIdEnvClientPath, "Edit", "", kTextFieldStyle, 84, 16, 150, 12},
        {kIdEnvBrowseClient, "Button", kBrowseCaption, kButtonStyle, 238, 16, 30, 12},
        {kNoId, "Static", "・ベットファイル", kLabelStyle, 12, 34, 70, 8},
        {kIdEnvBetFileDir, "Edit", "", kTextFieldStyle, 84, 32, 150, 12},
        {kIdEnvBrowseBetFileDir, "Button", kBrowseCaption, kButtonStyle, 238, 32, 30, 12},
        {kNoId, "Static", "・ターゲット出馬", kLabelStyle, 12, 50, 70, 8},
        {kIdEnvTargetDir, "Edit", "", kTextFieldStyle, 84, 48, 150, 12},
        {kIdEnvBrowseTargetDir, "Button", kBrowseCaption, kButtonStyle, 238, 48, 30, 12},
        {kNoId, "Static", "・〆切 Wave", kLabelStyle, 12, 66, 70, 8},
        {kIdEnvWaveFile, "Edit", "", kTextFieldStyle, 84, 64, 118, 12},
        {kIdEnvPlayWave, "Button", "Play", kButtonStyle, 204, 64, 30, 12},
        {kIdEnvBrowseWave, "Button", kBrowseCaption, kButtonStyle, 238, 64, 30, 12},
        {kIdEnvShimekiriMae, "Edit", "", kNumberFieldStyle, 84, 80, 24, 12},
        {kNoId, "Static", "何分前", kLabelStyle, 112, 82, 30, 8},
        {kNoId, "Button", "Ｐａｔ９５の設定", kGroupStyle, 6, 102, 268, 46},
        {kNoId, "Static", "・ユーザーＩＤ", kLabelStyle, 12, 116, 70, 8},
        {kIdEnvUserId, "Edit", "", kNumberFieldStyle, 84, 114, 60, 12},
        {kNoId, "Static", "・パスワード", kLabelStyle, 12, 132, 70, 8},
        {kIdEnvPassword, "Edit", "", kPasswordFieldStyle, 84, 130, 40, 12},
        {kNoId, "Button", "タイミングの設定", kGroupStyle, 6, 152, 268, 72},
        {kNoId, "Static", "・ベットファイル監視間隔           （秒）", kLabelStyle, 12, 166, 176, 8},
        {kIdEnvWatchInterval, "Edit", "", kNumberFieldStyle, 190, 164, 40, 12},
        {kNoId, "Static", "・ウインドウオープン後待ち時間  （秒）", kLabelStyle, 12, 180, 176, 8},
        {kIdEnvWindowOpenWait, "Edit", "", kNumberFieldStyle, 190, 178, 40, 12},
        {kNoId, "Static", "・アクション後待ち時間         （ミリ秒）", kLabelStyle, 12, 194, 176, 8},
        {kIdEnvActionWait, "Edit", "", kNumberFieldStyle, 190, 192, 40, 12},
        {kNoId, "Static", "・メッセージ後待ち時間        （ミリ秒）", kLabelStyle, 12, 208, 176, 8},
        {kIdEnvMessageWait, "Edit", "", kNumberFieldStyle, 190, 206, 40, 12},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 80, 230, 50, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 150, 230, 50, 14},
    };
    return t;
}

bool EditEnvironment(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                     driver::DriverState& driver) {
    EnvironmentDialog dialog(settings);
    if (!dialog.run(owner, settings)) return false;
    ApplyEnvironmentSettings(profile, settings, driver);
    return true;
}

}  // namespace app

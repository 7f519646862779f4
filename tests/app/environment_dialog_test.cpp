// The environment dialog: the rebuilt Pat95.exe path, the directories cut
// from file paths, the range checks in their order, fields that refuse what
// they cannot hold, the browse buttons and Play, and what OK writes.
#include <filesystem>
#include <functional>

#include "app/environment_dialog.h"
#include "base/settings_keys.h"
#include "driver/driver_state.h"
#include "platform/clock.h"
#include "support/dialog_desktop.h"

namespace app_test {
namespace {

using testsupport::FieldText;
using testsupport::FocusedId;
using testsupport::Press;
using testsupport::Retype;
using testsupport::u8;

namespace keys = base::keys;

class EnvironmentDialogTest : public testsupport::DialogDesktopTest {
protected:
    EnvironmentDialogTest() : clientDir_(dir_.path() + "PAT/"), exe_(clientDir_ + "Pat95.exe") {
        std::filesystem::create_directory(clientDir_);
        testsupport::writeBytes(exe_, "MZ");
        settings_.pat95Dir = exe_;
    }

    void inDialog(std::function<void(plat::Hwnd)> steps) {
        user_.onDialog(app::kEnvironmentCaption,
                       [steps](sim::Desktop&, const sim::ModalInfo& info) { steps(info.window); });
    }
    bool edit() {
        bool confirmed = false;
        onProgram([&](plat::Hwnd main) { confirmed = app::EditEnvironment(main, settings_, profile_, driver_); });
        return confirmed;
    }
    std::string stored(const char* key) { return profile_.getString(base::kSectionDefine, key, "<none>"); }

    std::string clientDir_, exe_;
    driver::DriverState driver_;
};

TEST_F(EnvironmentDialogTest, AnyFileNamedInTheClientFieldStandsForPat95ExeBesideIt) {
    settings_.pat95Dir.clear();
    std::string fieldAfterOk;
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvClientPath, clientDir_ + "Pat95a.exe");
        Retype(d, app::kIdEnvUserId, "12345678");
        Retype(d, app::kIdEnvPassword, "1234");
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ(exe_, settings_.pat95Dir);
    EXPECT_EQ(exe_, stored(keys::kPat95Dir));
    EXPECT_EQ(exe_, driver_.clientPath);  // the driver has the new values at once
    EXPECT_EQ("12345678", driver_.userId);
    EXPECT_EQ("1234", driver_.password);
    // The credentials go into the code, never in plain text.
    EXPECT_EQ("", stored(keys::kPatId));
    EXPECT_EQ("", stored(keys::kPatPassWord));
    EXPECT_EQ(13u, stored(keys::kPatCode).size());
}

TEST_F(EnvironmentDialogTest, WithoutANonEmptyPat95ExeTheDialogSaysSoAndStaysOpen) {
    testsupport::writeBytes(exe_, "");  // empty counts as missing
    std::vector<int> focused;
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvActionWait, "5");  // would fail too, but the client is checked first
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Retype(d, app::kIdEnvClientPath, dir_.path() + "nowhere/Pat95.exe");
        Press(d, plat::IDOK);
        focused.push_back(FocusedId());
        Press(d, plat::IDCANCEL);
    });
    EXPECT_FALSE(edit());
    const std::string missing = u8("Ｐａｔ９５．ｅｘｅ が見つかりません。");
    EXPECT_EQ((std::vector<std::string>{missing, missing}), boxTextsSeen());
    EXPECT_EQ((std::vector<int>{app::kIdEnvClientPath, app::kIdEnvClientPath}), focused);
    EXPECT_EQ(500, settings_.actionWait);
    EXPECT_EQ("<none>", stored(keys::kActionWait));
}

TEST_F(EnvironmentDialogTest, BetFileAndTargetFieldsKeepOnlyTheirDirectory) {
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvBetFileDir, dir_.path() + "bets/98120701.BET");
        Retype(d, app::kIdEnvTargetDir, dir_.path() + "target/");
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ(dir_.path() + "bets/", settings_.betFileDir);
    EXPECT_EQ(dir_.path() + "bets/", stored(keys::kBetFileDir));
    EXPECT_EQ(dir_.path() + "target/", settings_.targetDir);
}

TEST_F(EnvironmentDialogTest, RangeChecksRunInTheirOrderAndEachFailureKeepsTheDialogOpen) {
    std::vector<int> focused;
    std::vector<std::pair<int, const char*>> fixes = {
        {app::kIdEnvActionWait, "9999"},  {app::kIdEnvMessageWait, "10"},  {app::kIdEnvWatchInterval, "600"},
        {app::kIdEnvWindowOpenWait, "1"}, {app::kIdEnvShimekiriMae, "3"},
    };
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvShimekiriMae, "2");
        Retype(d, app::kIdEnvWindowOpenWait, "100");
        Retype(d, app::kIdEnvWatchInterval, "59");
        Retype(d, app::kIdEnvMessageWait, "9");
        Retype(d, app::kIdEnvActionWait, "10000");
        for (const auto& [id, value] : fixes) {
            Press(d, plat::IDOK);
            focused.push_back(FocusedId());
            Retype(d, id, value);
        }
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ((std::vector<int>{app::kIdEnvActionWait, app::kIdEnvMessageWait, app::kIdEnvWatchInterval,
                                app::kIdEnvWindowOpenWait, app::kIdEnvShimekiriMae}),
              focused);
    EXPECT_EQ((std::vector<std::string>{u8("10 から 9999 までの整数を入力してください。"),
                                        u8("10 から 9999 までの整数を入力してください。"),
                                        u8("60 から 600 までの整数を入力してください。"),
                                        u8("1 から 99 までの整数を入力してください。"),
                                        u8("3 から 20 までの整数を入力してください。")}),
              boxTextsSeen());
    EXPECT_EQ(9999, settings_.actionWait);
    EXPECT_EQ(10, settings_.messageWait);
    EXPECT_EQ(600, settings_.betFileWatchDistance);
    EXPECT_EQ(1, settings_.windowOpenWait);
    EXPECT_EQ(3, settings_.shimekiriMae);
    EXPECT_EQ(1000u, driver_.timing.windowOpenWait.load());
    EXPECT_EQ("9999", stored(keys::kActionWait));
}

TEST_F(EnvironmentDialogTest, AccountFieldsRefuseWhatTheyCannotHoldWhileTyping) {
    std::string id, password;
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvUserId, "123456789");
        Retype(d, app::kIdEnvPassword, "12a345");
        id = FieldText(d, app::kIdEnvUserId);
        password = FieldText(d, app::kIdEnvPassword);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ("12345678", id);
    EXPECT_EQ("1234", password);
    EXPECT_EQ("12345678", settings_.userId);
    EXPECT_EQ("1234", settings_.password);
}

TEST_F(EnvironmentDialogTest, BrowsingTheClientAsksFirstThenTakesTheChosenPathAndKeepsWhatWasTyped) {
    user_.setOpenFileAnswer(exe_);
    std::string clientShown, watchShown;
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvWatchInterval, "120");
        Retype(d, app::kIdEnvClientPath, "typed over");
        Press(d, app::kIdEnvBrowseClient);
        plat::sleep(1000);
        clientShown = FieldText(d, app::kIdEnvClientPath);
        watchShown = FieldText(d, app::kIdEnvWatchInterval);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ(exe_, clientShown);
    EXPECT_EQ("120", watchShown);
    EXPECT_EQ(120, settings_.betFileWatchDistance);
    const auto& seen = user_.seen();
    ASSERT_EQ(3u, seen.size());
    EXPECT_EQ(u8("Ｐａｔ９５．Ｅｘｅを選択してください。"), u8(seen[1].info.text));
    const sim::ModalInfo& open = seen[2].info;
    ASSERT_TRUE(open.isOpenFile);
    EXPECT_EQ("EXE", open.defaultExtension);
    EXPECT_EQ("Pat95*.exe", open.fileName);
    EXPECT_EQ(u8("Pat95 ｱﾌﾟﾘｹｰｼｮﾝ (Pat95*.exe)|Pat95*.exe|ｱﾌﾟﾘｹｰｼｮﾝ (*.exe)|*.exe|All Files (*.*)|*.*||"),
              u8(open.filter));
}

TEST_F(EnvironmentDialogTest, BrowsingADirectoryTakesTheChosenFilesDirectoryAndCancelLeavesTheField) {
    const std::string bets = dir_.path() + "bets/";
    std::filesystem::create_directory(bets);
    testsupport::writeBytes(bets + "98120701.BET", "1R");
    std::vector<std::string> shown;
    inDialog([&](plat::Hwnd d) {
        user_.setOpenFileAnswer(bets + "98120701.BET");
        Press(d, app::kIdEnvBrowseBetFileDir);
        plat::sleep(1000);
        shown.push_back(FieldText(d, app::kIdEnvBetFileDir));
        user_.setOpenFileAnswer("");
        Press(d, app::kIdEnvBrowseTargetDir);
        plat::sleep(1000);
        shown.push_back(FieldText(d, app::kIdEnvTargetDir));
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ((std::vector<std::string>{bets, ""}), shown);
    EXPECT_EQ(bets, settings_.betFileDir);
    std::vector<std::string> prompts;
    for (const auto& seen : user_.seen()) {
        if (seen.info.isOpenFile) prompts.push_back(seen.info.fileName + " " + seen.info.defaultExtension);
    }
    EXPECT_EQ((std::vector<std::string>{"*.bet BET", "*.den DEN"}), prompts);
    EXPECT_EQ((std::vector<std::string>{u8("ベットファイルディレクトリ内のファイルを仮に選んでください。"),
                                        u8("ターゲット出馬表ファイルディレクトリ内のファイルを仮に選んでください。")}),
              boxTextsSeen());
}

TEST_F(EnvironmentDialogTest, PlayPlaysOnlyAnExistingNonEmptyWaveAndBrowsingAWavePlaysIt) {
    const std::string wave = dir_.path() + "alarm.wav";
    const std::string empty = dir_.path() + "empty.wav";
    testsupport::writeBytes(wave, "RIFF");
    testsupport::writeBytes(empty, "");
    settings_.annaiWaveFile = dir_.path() + "missing.wav";
    std::string initialName;
    inDialog([&](plat::Hwnd d) {
        Press(d, app::kIdEnvPlayWave);  // missing: nothing
        Retype(d, app::kIdEnvWaveFile, empty);
        Press(d, app::kIdEnvPlayWave);  // empty: nothing
        user_.setOpenFileAnswer(wave);
        Press(d, app::kIdEnvBrowseWave);  // no prompt first; plays at once
        plat::sleep(1000);
        Press(d, app::kIdEnvPlayWave);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ((std::vector<std::string>{wave, wave}), soundsPlayed());
    EXPECT_TRUE(boxTextsSeen().empty());
    for (const auto& seen : user_.seen()) {
        if (seen.info.isOpenFile) initialName = seen.info.fileName;
    }
    EXPECT_EQ(empty, initialName);  // the browse starts from the field's wave
    EXPECT_EQ(wave, settings_.annaiWaveFile);
}

TEST_F(EnvironmentDialogTest, CancelChangesNothing) {
    const base::Settings before = settings_;
    inDialog([&](plat::Hwnd d) {
        Retype(d, app::kIdEnvActionWait, "1000");
        Retype(d, app::kIdEnvUserId, "1");
        Press(d, plat::IDCANCEL);
    });
    EXPECT_FALSE(edit());
    EXPECT_EQ(before.actionWait, settings_.actionWait);
    EXPECT_EQ(before.userId, settings_.userId);
    EXPECT_EQ("<none>", stored(keys::kActionWait));
    EXPECT_EQ("", driver_.clientPath);
}

}  // namespace
}  // namespace app_test

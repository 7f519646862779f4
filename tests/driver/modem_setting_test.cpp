// The client's modem setting and the dialing prefix: the modem dialog with
// capture, its exclusive boxes and the start-up countdown; applying a
// configuration at start-up and putting the prefix back at exit.
#include <functional>

#include "base/settings_keys.h"
#include "base/strings.h"
#include "driver/modem_dialog.h"
#include "driver/modem_setting.h"
#include "driver/registry_value.h"
#include "platform/clock.h"
#include "support/dialog_desktop.h"

namespace drivertest {
namespace {

using testsupport::FieldText;
using testsupport::IsChecked;
using testsupport::IsEnabled;
using testsupport::Press;
using testsupport::Retype;
using testsupport::u8;
using Bytes = std::vector<std::uint8_t>;

namespace keys = base::keys;

Bytes text(const std::string& s, bool terminated = true) {
    Bytes b(s.begin(), s.end());
    if (terminated) b.push_back(0);
    return b;
}

class ModemSettingTest : public testsupport::DialogDesktopTest {
protected:
    // The client as installed, with its modem, and Windows' dialing
    // location with a prefix of its own.
    void installRegistry() {
        ASSERT_TRUE(plat::regCreateKey(driver::kClientConfigRoot, driver::kClientConfigKey));
        setClient(driver::kModemNameValue, plat::REG_SZ, text("標準 28800 bps モデム"));
        setClient(driver::kLineDeviceValue, plat::REG_BINARY, {2, 1, 0, 0});
        ASSERT_TRUE(plat::regCreateKey(driver::kDialingRoot, driver::kDialingKey));
        setPrefix("0088");
    }
    void setClient(const char* name, plat::Dword type, const Bytes& data) {
        ASSERT_TRUE(plat::regWrite(driver::kClientConfigRoot, driver::kClientConfigKey, name, type, data));
    }
    void setPrefix(const std::string& prefix) {
        ASSERT_TRUE(plat::regWrite(driver::kDialingRoot, driver::kDialingKey, driver::kLongDistanceValue,
                                   plat::REG_SZ, text(prefix)));
    }
    Bytes clientValue(const char* name) { return value(driver::kClientConfigRoot, driver::kClientConfigKey, name); }
    Bytes prefix() { return value(driver::kDialingRoot, driver::kDialingKey, driver::kLongDistanceValue); }
    Bytes value(plat::RegRoot root, const char* key, const char* name) {
        Bytes data;
        plat::Dword type = 0;
        if (!plat::regRead(root, key, name, data, type)) return text("<none>");
        return data;
    }
    std::string patDefine(const char* key) {
        return profile_.getString(base::kSectionPatDefine, key, "<none>");
    }
    void inDialog(std::function<void(plat::Hwnd)> steps) {
        user_.onDialog(driver::kModemDialogCaption,
                       [steps](sim::Desktop&, const sim::ModalInfo& info) { steps(info.window); });
    }
    bool edit(int countdown = 0) {
        bool confirmed = false;
        onProgram([&](plat::Hwnd main) {
            confirmed = driver::EditModemSettings(main, settings_, profile_, countdown);
        });
        return confirmed;
    }
    void startUp() {
        onProgram([&](plat::Hwnd main) { driver::StartUpModemSetting(main, settings_, profile_, prefixState_); });
    }

    driver::DialingPrefixState prefixState_;
};

// ---- RegValue ----

TEST_F(ModemSettingTest, RegValueReadsWhatFitsAndNeverCreatesKeys) {
    installRegistry();
    Bytes buffer{9};
    EXPECT_FALSE(driver::RegValue(driver::kClientConfigRoot, driver::kClientConfigKey, driver::kModemNameValue,
                                  buffer, 4, driver::RegMode::Read, plat::REG_SZ));  // longer than 4 bytes
    EXPECT_EQ(Bytes{9}, buffer);
    ASSERT_TRUE(driver::RegValue(driver::kClientConfigRoot, driver::kClientConfigKey, driver::kLineDeviceValue,
                                 buffer, 255, driver::RegMode::Read, plat::REG_BINARY));
    EXPECT_EQ((Bytes{2, 1, 0, 0}), buffer);

    const std::string missing = std::string(driver::kClientConfigKey) + "\\Missing";
    Bytes data = text("x");
    EXPECT_FALSE(driver::RegValue(driver::kClientConfigRoot, missing, "v", data, data.size(),
                                  driver::RegMode::Write, plat::REG_SZ));
    EXPECT_FALSE(driver::RegValue(driver::kClientConfigRoot, missing, "v", data, 255, driver::RegMode::Read,
                                  plat::REG_SZ));
    EXPECT_EQ(text("<none>"), value(driver::kClientConfigRoot, missing.c_str(), "v"));
    // Writing takes only the bytes asked for.
    data = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(driver::RegValue(driver::kClientConfigRoot, driver::kClientConfigKey, "Part", data, 4,
                                 driver::RegMode::Write, plat::REG_BINARY));
    EXPECT_EQ((Bytes{1, 2, 3, 4}), clientValue("Part"));
}

// ---- start-up and exit ----

TEST_F(ModemSettingTest, NoConfigurationInUseWritesNothingAndRestoresNothing) {
    installRegistry();
    settings_.modemName1 = "モデムＡ";
    settings_.modemNumber1 = "0077";
    startUp();
    EXPECT_EQ(text("標準 28800 bps モデム"), clientValue(driver::kModemNameValue));
    EXPECT_EQ(text("0088"), prefix());
    EXPECT_FALSE(prefixState_.restorePending);
    setPrefix("0099");  // changed by someone else meanwhile
    driver::RestoreDialingPrefix(prefixState_);
    EXPECT_EQ(text("0099"), prefix());
    EXPECT_TRUE(user_.seen().empty());  // no countdown configured: no dialog
}

TEST_F(ModemSettingTest, ConfigurationWithANumberSetsThePrefixUntilItIsRestoredOnce) {
    installRegistry();
    settings_.modemName2 = "モデムＢ";
    settings_.lineDevice2 = 0x01020304;
    settings_.modemNumber2 = "0077";
    settings_.lineDefineUse2 = 1;
    startUp();
    EXPECT_EQ(text("モデムＢ"), clientValue(driver::kModemNameValue));
    EXPECT_EQ((Bytes{4, 3, 2, 1}), clientValue(driver::kLineDeviceValue));
    EXPECT_EQ(text("0077"), prefix());

    driver::RestoreDialingPrefix(prefixState_);
    EXPECT_EQ(text("0088"), prefix());
    EXPECT_FALSE(prefixState_.restorePending);
    setPrefix("0099");
    driver::RestoreDialingPrefix(prefixState_);  // a second way out: nothing left to put back
    EXPECT_EQ(text("0099"), prefix());
}

TEST_F(ModemSettingTest, ConfigurationWithoutANumberLeavesThePrefixAlone) {
    installRegistry();
    settings_.modemName1 = "モデムＡ";
    settings_.lineDevice1 = -1;
    settings_.lineDefineUse1 = 1;
    settings_.modemName2 = "モデムＢ";
    settings_.lineDefineUse2 = 1;  // the first configuration wins
    startUp();
    EXPECT_EQ(text("モデムＡ"), clientValue(driver::kModemNameValue));
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFF}), clientValue(driver::kLineDeviceValue));
    EXPECT_EQ(text("0088"), prefix());
    EXPECT_FALSE(prefixState_.restorePending);
}

TEST_F(ModemSettingTest, ApplyingTwiceStillRestoresThePrefixFromBeforeStartUp) {
    installRegistry();
    settings_.modemNumber1 = "0077";
    settings_.modemNumber2 = "0066";
    onProgram([&](plat::Hwnd) {
        driver::ApplyModemSetting(settings_, 0, prefixState_);
        driver::ApplyModemSetting(settings_, 1, prefixState_);
    });
    EXPECT_EQ(text("0066"), prefix());
    driver::RestoreDialingPrefix(prefixState_);
    EXPECT_EQ(text("0088"), prefix());
}

// ---- the dialog ----

TEST_F(ModemSettingTest, CaptureTakesTheClientsModemIntoTheConfigurationAndOkStoresIt) {
    installRegistry();
    settings_.modemName2 = "古いモデム";
    std::string name1, name2;
    inDialog([&](plat::Hwnd d) {
        Press(d, driver::kIdModemCapture1);
        name1 = FieldText(d, driver::kIdModemName1);
        name2 = FieldText(d, driver::kIdModemName2);
        Retype(d, driver::kIdModemNumber1, "0077");
        Press(d, driver::kIdModemUse1);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ(u8("標準 28800 bps モデム"), u8(name1));
    EXPECT_EQ(u8("古いモデム"), u8(name2));
    EXPECT_EQ("標準 28800 bps モデム", settings_.modemName1);
    EXPECT_EQ(0x0102, settings_.lineDevice1);
    EXPECT_EQ("0077", settings_.modemNumber1);
    EXPECT_EQ(1, settings_.lineDefineUse1);
    EXPECT_EQ("標準 28800 bps モデム", patDefine(keys::kModemName1));
    EXPECT_EQ("258", patDefine(keys::kLineDevice1));
    EXPECT_EQ("0077", patDefine(keys::kModemNumber1));
    EXPECT_EQ("1", patDefine(keys::kLineDefineUse1));
    EXPECT_EQ("古いモデム", patDefine(keys::kModemName2));
    EXPECT_EQ("0", patDefine(keys::kModemDialogAutoCloseSec));

    // Applied at the next start-up: the client gets the captured values back.
    setClient(driver::kModemNameValue, plat::REG_SZ, text("別のモデム"));
    setClient(driver::kLineDeviceValue, plat::REG_BINARY, {0, 0, 0, 0});
    startUp();
    EXPECT_EQ(text("標準 28800 bps モデム"), clientValue(driver::kModemNameValue));
    EXPECT_EQ((Bytes{2, 1, 0, 0}), clientValue(driver::kLineDeviceValue));
    EXPECT_EQ(text("0077"), prefix());
}

TEST_F(ModemSettingTest, ALineDeviceThatIsNotFourBytesIsNotCopied) {
    installRegistry();
    settings_.lineDevice1 = 7;
    settings_.lineDevice2 = 8;
    setClient(driver::kLineDeviceValue, plat::REG_BINARY, {1, 2, 3, 4, 5});
    inDialog([&](plat::Hwnd d) {
        Press(d, driver::kIdModemCapture1);
        setClient(driver::kLineDeviceValue, plat::REG_BINARY, {1, 2});
        Press(d, driver::kIdModemCapture2);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ(7, settings_.lineDevice1);
    EXPECT_EQ(8, settings_.lineDevice2);
    EXPECT_EQ("標準 28800 bps モデム", settings_.modemName2);  // the name was still taken
}

TEST_F(ModemSettingTest, CaptureWithoutTheClientsKeyLeavesTheFieldAsItWas) {
    settings_.modemName1 = "モデムＡ";
    settings_.lineDevice1 = 5;
    std::string shown;
    inDialog([&](plat::Hwnd d) {
        Press(d, driver::kIdModemCapture1);
        shown = FieldText(d, driver::kIdModemName1);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ(u8("モデムＡ"), u8(shown));
    EXPECT_EQ(5, settings_.lineDevice1);
}

TEST_F(ModemSettingTest, TheUseBoxesExcludeEachOtherAndCancelKeepsEverything) {
    settings_.lineDefineUse1 = 1;
    std::vector<std::pair<bool, bool>> states;
    inDialog([&](plat::Hwnd d) {
        states.emplace_back(IsChecked(d, driver::kIdModemUse1), IsChecked(d, driver::kIdModemUse2));
        Press(d, driver::kIdModemUse2);
        states.emplace_back(IsChecked(d, driver::kIdModemUse1), IsChecked(d, driver::kIdModemUse2));
        Press(d, driver::kIdModemUse1);
        states.emplace_back(IsChecked(d, driver::kIdModemUse1), IsChecked(d, driver::kIdModemUse2));
        Press(d, driver::kIdModemUse1);  // unchecking leaves the other alone
        states.emplace_back(IsChecked(d, driver::kIdModemUse1), IsChecked(d, driver::kIdModemUse2));
        Press(d, plat::IDCANCEL);
    });
    EXPECT_FALSE(edit());
    EXPECT_EQ((std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {true, false}, {false, false}}),
              states);
    EXPECT_EQ(1, settings_.lineDefineUse1);
    EXPECT_EQ("<none>", patDefine(keys::kLineDefineUse1));
}

TEST_F(ModemSettingTest, FromTheMenuTheSecondsAreASettingWithARange) {
    settings_.modemDialogAutoCloseSec = 5;
    std::string shown;
    bool enabled = false;
    inDialog([&](plat::Hwnd d) {
        shown = FieldText(d, driver::kIdModemAutoCloseSec);
        enabled = IsEnabled(d, driver::kIdModemAutoCloseSec);
        Retype(d, driver::kIdModemAutoCloseSec, "61");
        Press(d, plat::IDOK);
        Retype(d, driver::kIdModemAutoCloseSec, "60");
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit());
    EXPECT_EQ("5", shown);
    EXPECT_TRUE(enabled);
    EXPECT_EQ((std::vector<std::string>{u8("0 から 60 までの整数を入力してください。")}), boxTextsSeen());
    EXPECT_EQ(60, settings_.modemDialogAutoCloseSec);
    EXPECT_EQ("60", patDefine(keys::kModemDialogAutoCloseSec));
}

TEST_F(ModemSettingTest, AtStartUpTheDialogCountsDownAndClosesByItselfKeepingItsSeconds) {
    settings_.modemDialogAutoCloseSec = 3;
    std::vector<std::string> counts;
    std::string note;
    bool enabled = true;
    inDialog([&](plat::Hwnd d) {
        note = FieldText(d, driver::kIdModemAutoCloseNote);
        enabled = IsEnabled(d, driver::kIdModemAutoCloseSec);
        counts.push_back(FieldText(d, driver::kIdModemAutoCloseSec));
        for (int i = 0; i < 2; ++i) {
            plat::sleep(1000);
            counts.push_back(FieldText(d, driver::kIdModemAutoCloseSec));
        }
    });
    std::uint32_t openMs = 0;
    onProgram([&](plat::Hwnd main) {
        const std::uint32_t start = plat::tickCount();
        driver::StartUpModemSetting(main, settings_, profile_, prefixState_);
        openMs = plat::tickCount() - start;
    });
    EXPECT_EQ((std::vector<std::string>{"  3", "    2", "    1"}), counts);
    EXPECT_EQ(u8("カウント０で自動起動します！"), u8(note));
    EXPECT_FALSE(enabled);
    EXPECT_EQ(3000u, openMs);
    // Closed as with OK: the keys are written, the seconds unchanged.
    EXPECT_EQ(3, settings_.modemDialogAutoCloseSec);
    EXPECT_EQ("3", patDefine(keys::kModemDialogAutoCloseSec));
    EXPECT_EQ("0", patDefine(keys::kLineDefineUse1));
}

TEST_F(ModemSettingTest, OkDuringTheCountdownKeepsTheStoredSeconds) {
    settings_.modemDialogAutoCloseSec = 10;
    inDialog([&](plat::Hwnd d) {
        plat::sleep(2500);
        Press(d, plat::IDOK);
    });
    ASSERT_TRUE(edit(10));
    EXPECT_EQ(10, settings_.modemDialogAutoCloseSec);
    EXPECT_EQ("10", patDefine(keys::kModemDialogAutoCloseSec));
}

}  // namespace
}  // namespace drivertest

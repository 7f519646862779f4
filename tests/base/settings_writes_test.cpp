// What the settings dialogs write on OK, the hand-over to the driver, the
// window placement text and the listing of every setting.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/credentials.h"
#include "base/frame_pos.h"
#include "base/notifier.h"
#include "base/recording_notifier.h"
#include "base/settings_listing.h"
#include "app/settings_apply.h"
#include "base/settings_write_sets.h"
#include "base/strings.h"
#include "driver/driver_settings.h"
#include "memory_profile.h"

using app_test::MemoryProfile;
using std::string;
using std::vector;

namespace {

TEST(WriteSets, EnvironmentWritesTimingsCredentialsAndPathsThenLoadsTheDriver) {
    MemoryProfile profile;
    base::Settings s;
    s.actionWait = 300;
    s.windowOpenWait = 5;
    s.userId = "12345678";
    s.password = "4321";
    s.pat95Dir = "C:\\PAT\\Pat95.exe";
    driver::DriverState d;
    app::ApplyEnvironmentSettings(profile, s, d);
    EXPECT_EQ(profile.writes(),
              (vector<string>{"Define/Action Wait=300", "Define/Message Wait=100",
                              "Define/Window Open Wait=5", "Define/Bet File Watch Distance=60",
                              "Define/Shimekiri mae=6", "Define/Pat Code=" + profile.value("Define", "Pat Code"),
                              "Define/Pat Id=", "Define/Pat Pass Word=", "Define/Bet File Dir=",
                              "Define/Pat95 Dir=C:\\PAT\\Pat95.exe", "Define/Target Dir=",
                              "Define/Annai Wave File="}));
    EXPECT_EQ(profile.value("Define", "Pat Code"), base::EncodeCredentials("12345678", "4321"));
    EXPECT_EQ(d.clientPath, "C:\\PAT\\Pat95.exe");
    EXPECT_EQ(d.userId, "12345678");
    EXPECT_EQ(d.password, "4321");
    EXPECT_EQ(d.timing.actionWait, 300u);
    EXPECT_EQ(d.timing.messageWait, 100u);
    EXPECT_EQ(d.timing.windowOpenWait, 5000u);
}

TEST(WriteSets, OptionsWriteElevenKeysThenSetTheDriverFlags) {
    MemoryProfile profile;
    base::Settings s;
    s.accInp = 0;
    s.forceMode = 1;
    s.autoMode = 1;
    driver::DriverState d;
    app::ApplyOptionSettings(profile, s, d);
    EXPECT_EQ(profile.writes(),
              (vector<string>{"Define/AccInp=0", "Define/AutoPat=1", "Define/SkipAnn=1",
                              "Define/SkipCyuui=0", "Define/Rename Sav=1", "Define/Force Mode=1",
                              "Define/Force Touhyo=0", "Define/Limit Time=5000",
                              "Define/Limit Race=5000", "Define/Bet Divide Unit=50",
                              "Define/Auto Mode=1"}));
    EXPECT_EQ(d.flags.accInp, 0);
    EXPECT_EQ(d.flags.autoPat, 1);
    EXPECT_EQ(d.flags.skipAnn, 1);
    EXPECT_EQ(d.flags.forceMode, 1);
}

TEST(WriteSets, TheSmallDialogsWriteTheirOwnKeys) {
    MemoryProfile profile;
    base::Settings s;
    s.haraimodoshiInfoGetTime = 31650;
    s.autoExitTime = 12330;
    s.fhwarsFuku = 1;
    s.dbmnSoft = 3;
    s.modemName1 = "モデム";
    s.lineDefineUse2 = 1;
    base::WritePayoutTimeSetting(profile, s);
    base::WriteAutoExitSetting(profile, s);
    base::WriteFhwarsSettings(profile, s);
    base::WriteDbmnSettings(profile, s);
    base::WriteModemSettings(profile, s);
    EXPECT_EQ(profile.writes(),
              (vector<string>{"Define/Haraimodoshi Info Get Time=31650", "Define/Auto Exit Time=12330",
                              "Define/FHWARS REN=1", "Define/FHWARS TAN=0", "Define/FHWARS FUKU=1",
                              "Define/FHWARS Kingaku=100", "Define/FHWARS Tan Kingaku=100",
                              "Define/FHWARS Fuku Kingaku=100", "Define/Dbmn Soft=3",
                              "Define/Dbmn Kingaku=100", "Pat Define/Modem Name 1=モデム",
                              "Pat Define/Modem Number 1=", "Pat Define/Line Device 1=0",
                              "Pat Define/Line Define Use 1=0", "Pat Define/Modem Name 2=",
                              "Pat Define/Modem Number 2=", "Pat Define/Line Device 2=0",
                              "Pat Define/Line Define Use 2=1",
                              "Pat Define/Modem Dialog Auto Close Sec=0"}));
}

TEST(DriverSettings, TimingValuesAreCappedRatherThanWrapped) {
    base::Settings s;
    s.windowOpenWait = 2'000'000'000;
    s.messageWait = -5;
    driver::DriverState d;
    driver::LoadDriverSettings(s, d);
    EXPECT_EQ(d.timing.windowOpenWait, 0xFFFFFFFFu);
    EXPECT_EQ(d.timing.messageWait, 0u);
    driver::SetDriverFlags(d, 1, 1, 0, 1);
    EXPECT_EQ(d.flags.skipAnn, 0);
    EXPECT_EQ(d.flags.forceMode, 1);
}

TEST(FramePos, FormatsWithATrailingBlankAndParsesOnlyWhenComplete) {
    base::WindowPlacement p{44, 0, 1, -1, -1, -4, -4, 100, 50, 470, 580};
    string text = base::FormatFramePos(p);
    EXPECT_EQ(text, "44, 0, 1, -1, -1, -4, -4, 100, 50, 470, 580 ");
    base::WindowPlacement back;
    ASSERT_TRUE(base::ParseFramePos(text, back));
    EXPECT_EQ(base::FormatFramePos(back), text);

    base::WindowPlacement untouched{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (const char* bad : {"", "44, 0, 1, -1, -1, -4, -4, 100, 50, 470", "44 0 1 2 3 4 5 6 7 8 9",
                            "44, 0, 1, -1, -1, -4, -4, 100, 50, 470, x"}) {
        base::WindowPlacement q = untouched;
        EXPECT_FALSE(base::ParseFramePos(bad, q)) << bad;
        EXPECT_EQ(base::FormatFramePos(q), base::FormatFramePos(untouched));
    }
}

TEST(SettingsListing, EveryKeyInTableOrderWithCredentialsOnRequest) {
    base::Settings s;
    s.userId = "12345678";
    s.password = "4321";
    s.haraimodoshiInfoGetTime = 1650;
    string listing = base::ListSettings(s, false);
    EXPECT_EQ(listing.find("12345678"), string::npos);
    EXPECT_EQ(listing.find("Pat "), string::npos);
    EXPECT_EQ(listing.substr(0, 16), "Action Wait=500\n");
    EXPECT_NE(listing.find("Target Dir=\nAccInp=1\n"), string::npos);
    EXPECT_NE(listing.find("Haraimodoshi Info Get Time=1650\nAuto Exit Time=21700\nFHWARS REN=1\n"),
              string::npos);
    EXPECT_NE(listing.find("Frame Pos=\nModem Name 1=\n"), string::npos);
    EXPECT_EQ(listing.substr(listing.size() - 30), "Modem Dialog Auto Close Sec=0\n");
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 32 + 9);

    string shown = base::ListSettings(s, true);
    EXPECT_NE(shown.find("Target Dir=\nUser ID=12345678\nPassword=4321\nAccInp=1\n"), string::npos);
}

TEST(Notifier, NumberedMessagesCarryTheirIdAndText) {
    base::RecordingNotifier n;
    n.message(base::kMsgClientFailed);
    n.text(base::kTextTermsFilesMissing);
    ASSERT_EQ(n.events().size(), 2u);
    EXPECT_EQ(n.events()[0].id, 8141);
    EXPECT_EQ(n.events()[0].text, "Ｐａｔ９５が正常に操作できません。\rベット内容をご確認ください。");
    EXPECT_EQ(n.events()[1].id, 0);
    for (int id : {8001, 8002, 8003, 8005, 8136, 8137, 8138, 8139, 8140, 8141, 8142, 8145, 8146, 8147,
                   8158, 8159})
        EXPECT_NE(base::messageText(id), nullptr) << id;
    EXPECT_EQ(base::messageText(8004), nullptr);
}

}  // namespace

// Loading the settings: defaults, corrections written back, the credential
// code and its migration from plain keys, and damaged codes.
#include <gtest/gtest.h>

#include <set>

#include "base/credentials.h"
#include "base/load_settings.h"
#include "memory_profile.h"

using app_test::MemoryProfile;
using std::string;
using std::vector;

namespace {

constexpr std::int64_t kSomeTime = 912'830'400;  // 1998-12-05 04:00 UTC

base::Settings load(MemoryProfile& profile, std::int64_t now = kSomeTime) {
    base::Settings s;
    base::LoadSettings(profile, s, now);
    return s;
}

TEST(LoadSettings, AnEmptyProfileGivesTheDefaultsAndWritesNothing) {
    MemoryProfile profile;
    base::Settings s = load(profile);
    EXPECT_TRUE(profile.writes().empty());
    EXPECT_EQ(s.actionWait, 500);
    EXPECT_EQ(s.messageWait, 100);
    EXPECT_EQ(s.windowOpenWait, 2);
    EXPECT_EQ(s.betFileWatchDistance, 60);
    EXPECT_EQ(s.shimekiriMae, 6);
    EXPECT_EQ(s.accInp + s.autoPat + s.skipAnn + s.renameSav + s.fhwarsRen, 5);
    EXPECT_EQ(s.skipCyuui + s.forceMode + s.forceTouhyo + s.autoMode + s.fhwarsTan + s.fhwarsFuku, 0);
    EXPECT_EQ(s.limitTime, 5000);
    EXPECT_EQ(s.limitRace, 5000);
    EXPECT_EQ(s.betDivideUnit, 50);
    EXPECT_EQ(s.autoExitTime, 21700);
    EXPECT_EQ(s.dbmnSoft, 9);
    EXPECT_EQ(s.fhwarsKingaku + s.fhwarsTanKingaku + s.fhwarsFukuKingaku + s.dbmnKingaku, 400);
    EXPECT_EQ(s.userId + s.password + s.pat95Dir + s.framePos + s.modemName1, "");
    EXPECT_EQ(s.lineDevice2 + s.modemDialogAutoCloseSec, 0);
    EXPECT_GE(s.haraimodoshiInfoGetTime, 1646);
    EXPECT_LE(s.haraimodoshiInfoGetTime, 1655);
}

TEST(LoadSettings, TheDefaultPayoutMinuteIsSeededByTheTime) {
    std::set<int> seen;
    for (std::int64_t t = kSomeTime; t < kSomeTime + 100; ++t) {
        int v = base::DefaultPayoutTime(t);
        EXPECT_GE(v, 1646);
        EXPECT_LE(v, 1655);
        EXPECT_EQ(v, base::DefaultPayoutTime(t + 100));  // the seed is the time mod 100
        seen.insert(v);
    }
    EXPECT_GE(seen.size(), 5u);

    MemoryProfile profile;
    profile.set("Define", "Haraimodoshi Info Get Time", "31650");
    EXPECT_EQ(load(profile).haraimodoshiInfoGetTime, 31650);
}

TEST(LoadSettings, StoredValuesReplaceTheDefaults) {
    MemoryProfile profile;
    profile.set("Define", "Action Wait", "250");
    profile.set("Define", "Pat95 Dir", "C:\\PAT\\Pat95.exe");
    profile.set("Define", "Auto Exit Time", "11730");
    profile.set("Define", "FHWARS Tan Kingaku", "300yen");
    profile.set("Pat Define", "Modem Number 2", "0033");
    profile.set("Pat Define", "Line Device 2", "3");
    base::Settings s = load(profile);
    EXPECT_EQ(s.actionWait, 250);
    EXPECT_EQ(s.pat95Dir, "C:\\PAT\\Pat95.exe");
    EXPECT_EQ(s.autoExitTime, 11730);
    EXPECT_EQ(s.fhwarsTanKingaku, 300);
    EXPECT_EQ(s.modemNumber2, "0033");
    EXPECT_EQ(s.lineDevice2, 3);
    EXPECT_TRUE(profile.writes().empty());
}

TEST(LoadSettings, AWatchDistanceBelowSixtyBecomesSixtyInTheFileToo) {
    for (const char* stored : {"30", "0", "x"}) {
        MemoryProfile profile;
        profile.set("Define", "Bet File Watch Distance", stored);
        EXPECT_EQ(load(profile).betFileWatchDistance, 60) << stored;
        EXPECT_EQ(profile.writes(), vector<string>{"Define/Bet File Watch Distance=60"});
    }
    MemoryProfile profile;
    profile.set("Define", "Bet File Watch Distance", "600");
    EXPECT_EQ(load(profile).betFileWatchDistance, 600);
    EXPECT_TRUE(profile.writes().empty());
}

TEST(Credentials, PlainKeysMigrateToTheCodeAtLoad) {
    MemoryProfile profile;
    profile.set("Define", "Pat Id", "12345678");
    profile.set("Define", "Pat Pass Word", "4321");
    base::Settings s = load(profile);
    EXPECT_EQ(s.userId, "12345678");
    EXPECT_EQ(s.password, "4321");
    ASSERT_EQ(profile.writes().size(), 3u);
    EXPECT_EQ(profile.writes()[0].substr(0, 14), "Define/Pat Cod");
    EXPECT_EQ(profile.value("Define", "Pat Code").size(), 13u);
    EXPECT_EQ(profile.writes()[1], "Define/Pat Id=");
    EXPECT_EQ(profile.writes()[2], "Define/Pat Pass Word=");

    // The next start decodes the same values and writes nothing.
    profile.clearWrites();
    base::Settings again = load(profile);
    EXPECT_EQ(again.userId, "12345678");
    EXPECT_EQ(again.password, "4321");
    EXPECT_TRUE(profile.writes().empty());
    EXPECT_TRUE(base::SettingsComplete(again) == false);  // no client path yet
    again.pat95Dir = "C:\\PAT\\Pat95.exe";
    EXPECT_TRUE(base::SettingsComplete(again));
}

TEST(Credentials, APlainIdWithoutPasswordIsKeptAsItIs) {
    MemoryProfile profile;
    profile.set("Define", "Pat Id", "12345678");
    base::Settings s = load(profile);
    EXPECT_EQ(s.userId, "12345678");
    EXPECT_EQ(s.password, "");
    EXPECT_FALSE(base::SettingsComplete(s));
    EXPECT_TRUE(profile.writes().empty());
}

TEST(Credentials, TheCodeRoundTripsForEveryLength) {
    const string digits = "9876543210";
    for (std::size_t idLength = 0; idLength <= 8; ++idLength) {
        for (std::size_t pwLength = 0; pwLength <= 4; ++pwLength) {
            string id = digits.substr(0, idLength), pw = digits.substr(idLength % 5, pwLength);
            string code = base::EncodeCredentials(id, pw);
            EXPECT_EQ(code.size(), 1 + idLength + pwLength);
            for (char c : code) {
                EXPECT_GE(c, 0x30);
                EXPECT_LE(c, 0x3D);
            }
            string decodedId = "x", decodedPw = "x";
            ASSERT_TRUE(base::DecodeCredentials(code, decodedId, decodedPw)) << id << "/" << pw;
            EXPECT_EQ(decodedId, id);
            EXPECT_EQ(decodedPw, pw);
        }
    }
    string code = base::EncodeCredentials("", "1234");
    EXPECT_EQ(code.size(), 5u);
    EXPECT_EQ(code[0], 0x31);
    // A code worked out by hand: "8123456789012" swapped at (1,12), (4,11),
    // (7,10), then masked.
    EXPECT_EQ(base::EncodeCredentials("12345678", "9012"), "90623172<8500");
}

TEST(Credentials, DamagedCodesAreRejectedAndLeftInTheFile) {
    string tooLongId = base::EncodeCredentials("123456789", "1");
    string tooLongPw = base::EncodeCredentials("1", "12345");
    string badLength = base::EncodeCredentials("1", "1");
    badLength[0] = static_cast<char>('9' ^ 1);  // an ID longer than the code
    for (const string& code : {tooLongId, tooLongPw, badLength, string("/"), string(40, '1'),
                               string("\xFF\xFE\x80")}) {
        string id = "kept", pw = "kept";
        EXPECT_FALSE(base::DecodeCredentials(code, id, pw));
        EXPECT_EQ(id + pw, "keptkept");

        MemoryProfile profile;
        profile.set("Define", "Pat Code", code);
        base::Settings s = load(profile);
        EXPECT_EQ(s.userId + s.password, "");
        EXPECT_TRUE(profile.writes().empty());
        EXPECT_EQ(profile.value("Define", "Pat Code"), code);
    }
}

TEST(Credentials, OverlongPlainValuesAreNotTurnedIntoAnUnreadableCode) {
    MemoryProfile profile;
    profile.set("Define", "Pat Id", "123456789");
    profile.set("Define", "Pat Pass Word", "1234");
    base::Settings s = load(profile);
    EXPECT_EQ(s.userId, "123456789");
    EXPECT_EQ(s.password, "1234");
    EXPECT_TRUE(profile.writes().empty());
    EXPECT_FALSE(profile.has("Define", "Pat Code"));
}

}  // namespace

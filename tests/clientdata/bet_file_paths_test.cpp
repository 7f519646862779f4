// The expected bet file and the path helpers, on real files.
#include <gtest/gtest.h>

#include "base/next_bet_file.h"
#include "support/support.h"

namespace base {
namespace {

using testsupport::TempDir;
using testsupport::setMtime;
using testsupport::writeBytes;

constexpr base::BetFileDate kDec5{1998, 12, 5};
constexpr std::int64_t kNoon = 912826800;  // 1998-12-05 12:00 JST

class NextBetFile : public ::testing::Test {
protected:
    void put(const std::string& name, std::int64_t mtime, const std::string& bytes = "5 11 U 3-5 100\r\n") {
        writeBytes(dir.file(name), bytes);
        setMtime(dir.file(name), mtime);
    }
    std::string next(std::optional<base::BetFileDate> date = kDec5) {
        EXPECT_TRUE(NextBetFilePath(current, dir.path(), date));
        return current.path.substr(dir.path().size());
    }
    TempDir dir;
    base::CurrentBetFile current;
};

TEST_F(NextBetFile, FirstOfTheDayWhenNothingIsThere) {
    EXPECT_EQ(next(), "98120501.Bet");
    put("98120401.BET", kNoon);  // another day's file is not this day's
    put("98120409.SAV", kNoon);
    EXPECT_EQ(next(), "98120501.Bet");
    EXPECT_EQ(next(base::BetFileDate{2024, 6, 15}), "24061501.Bet");
}

TEST_F(NextBetFile, NewestPendingBetFileFirst) {
    put("98120501.BET", kNoon + 60);
    put("98120502.BET", kNoon);
    put("98120503.TGP", kNoon + 120);
    EXPECT_EQ(next(), "98120501.BET");
    setMtime(dir.file("98120502.BET"), kNoon + 180);
    EXPECT_EQ(next(), "98120502.BET");
}

TEST_F(NextBetFile, TargetFileBeforeTheSavSequence) {
    put("98120501.Sav", kNoon + 60);
    put("981205ab.tgp", kNoon);
    EXPECT_EQ(next(), "981205ab.tgp");
}

TEST_F(NextBetFile, FollowsTheNewestLoadedFile) {
    put("98120501.Sav", kNoon);
    EXPECT_EQ(next(), "98120502.BET");
    put("98120509.sav", kNoon + 60);  // any case of the extension
    EXPECT_EQ(next(), "98120510.BET");
    put("98120502.SAV", kNoon + 120);
    EXPECT_EQ(next(), "98120503.BET");
}

TEST_F(NextBetFile, ExtensionsMatchInAnyCase) {
    put("98120504.bet", kNoon);
    EXPECT_EQ(next(), "98120504.bet");
}

TEST_F(NextBetFile, WithoutADateTheCurrentNameGivesTheDay) {
    put("98120501.Sav", kNoon);
    put("24061501.BET", kNoon);
    EXPECT_EQ(next(), "98120502.BET");
    EXPECT_EQ(next(std::nullopt), "98120502.BET");
    current.path = dir.file("24061503.Sav");
    EXPECT_EQ(next(std::nullopt), "24061501.BET");
    current.path.clear();  // no name: day 00/00/00
    EXPECT_EQ(next(std::nullopt), "00000001.Bet");
}

TEST_F(NextBetFile, DirectoryComesFromTheSetting) {
    // The setting may name any file in the directory.
    EXPECT_TRUE(NextBetFilePath(current, dir.file("anything.txt"), kDec5));
    EXPECT_EQ(current.path, dir.file("98120501.Bet"));
}

TEST(NewestMatch, LatestTimeWinsAndFirstListedOnTies) {
    TempDir dir;
    for (const char* name : {"b.jra", "a.jra", "c.txt"}) {
        writeBytes(dir.file(name), "x");
        setMtime(dir.file(name), kNoon);
    }
    std::string pattern = dir.file("*.jra");
    ASSERT_TRUE(base::NewestMatch(pattern));
    EXPECT_EQ(pattern, dir.file("a.jra"));
    setMtime(dir.file("b.jra"), kNoon + 1);
    pattern = dir.file("?.JRA");
    ASSERT_TRUE(base::NewestMatch(pattern));
    EXPECT_EQ(pattern, dir.file("b.jra"));
    pattern = dir.file("*.none");
    EXPECT_FALSE(base::NewestMatch(pattern));
    EXPECT_EQ(pattern, dir.file("*.none"));
}

TEST(FileHasData, ExistingAndNotEmpty) {
    TempDir dir;
    writeBytes(dir.file("full.BET"), "1");
    writeBytes(dir.file("empty.BET"), "");
    EXPECT_TRUE(base::FileHasData(dir.file("full.BET")));
    EXPECT_TRUE(base::FileHasData(dir.file("FULL.bet")));
    EXPECT_FALSE(base::FileHasData(dir.file("empty.BET")));
    EXPECT_FALSE(base::FileHasData(dir.file("missing.BET")));
    EXPECT_TRUE(base::FileHasData(dir.file("f*.BET")));
}

TEST(ReplacePathPart, NameExtensionOrDirectoryOnly) {
    std::string p = "C:\\BET\\98120501.BET";
    ASSERT_TRUE(base::ReplacePathPart(p, nullptr, ".Sav"));
    EXPECT_EQ(p, "C:\\BET\\98120501.Sav");
    ASSERT_TRUE(base::ReplacePathPart(p, "BT981205.LOG"));
    EXPECT_EQ(p, "C:\\BET\\BT981205.LOG");
    ASSERT_TRUE(base::ReplacePathPart(p, nullptr, "TGP"));
    EXPECT_EQ(p, "C:\\BET\\BT981205.TGP");
    ASSERT_TRUE(base::ReplacePathPart(p, nullptr, nullptr));
    EXPECT_EQ(p, "C:\\BET\\");
    p = "Pat95.exe";
    ASSERT_TRUE(base::ReplacePathPart(p, "Uy-a.Jra"));
    EXPECT_EQ(p, "Uy-a.Jra");
    p = "/home/pat/Pat95.exe";
    ASSERT_TRUE(base::ReplacePathPart(p, "Lg-??.jra"));
    EXPECT_EQ(p, "/home/pat/Lg-??.jra");
}

TEST(ReplacePathPart, DoubleByteCharactersEndingInBackslashStayWhole) {
    // "表" and "ソ" end in the byte 0x5C, which is '\'.
    std::string p = "C:\\予定表\\ソ\\98120501.BET";
    ASSERT_TRUE(base::ReplacePathPart(p, "BT981205.LOG"));
    EXPECT_EQ(testsupport::u8(p), testsupport::u8("C:\\予定表\\ソ\\BT981205.LOG"));
    p = "/work/表/ソ.BET";
    ASSERT_TRUE(base::ReplacePathPart(p, nullptr, ".Sav"));
    EXPECT_EQ(testsupport::u8(p), testsupport::u8("/work/表/ソ.Sav"));
    p = "C:\\予定表";  // no separator after 表: it is the file name
    ASSERT_TRUE(base::ReplacePathPart(p, nullptr, nullptr));
    EXPECT_EQ(p, "C:\\");
}

TEST(ReplacePathPart, RefusesAnOverlongResult) {
    std::string dir = "/" + std::string(250, 'd') + "/";
    std::string p = dir + "a.BET";
    EXPECT_FALSE(base::ReplacePathPart(p, "a-much-longer-name.LOG"));
    EXPECT_EQ(p, dir + "a.BET");
    base::CurrentBetFile current{"kept"};
    EXPECT_FALSE(NextBetFilePath(current, dir + std::string(10, 'e') + "/", kDec5));
    EXPECT_EQ(current.path, "kept");
}

TEST(UpperCase, AsciiOnlyTrailBytesUntouched) {
    std::string s = "ab.sav ヂ";  // ヂ is 0x83 0x61: its trail byte is 'a'
    EXPECT_EQ(testsupport::u8(base::UpperCase(s)), testsupport::u8("AB.SAV ヂ"));
}

}  // namespace
}  // namespace base

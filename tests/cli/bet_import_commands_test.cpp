// `ornel import`, `ornel load` and `ornel nextbet` end to end: the built
// command on bet text, bet-file directories and client directories.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "platform/sjis.h"
#include "run_ornel.h"
#include "support/client_files.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

namespace {

const std::string kVenueHeader =
    "東京 24年 6月15日 3回 4日\r\n"
    "11R 馬連  3-5  1000   12R 単勝  2  300\r\n";

bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }
std::string withoutSlash(const std::string& dir) { return dir.substr(0, dir.size() - 1); }

class BetImportCommands : public ::testing::Test {
protected:
    BetImportCommands() {
        testsupport::useJapanTime();
    }
    testsupport::TempDir dir;
};

TEST_F(BetImportCommands, ImportConvertsAndAsksAboutTheDateAsTold) {
    auto yes = runOrnel({"import", "-"}, kVenueHeader);
    EXPECT_EQ(0, yes.status);
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n002: 東京 12R 単勝    02      300\r\n"), u8(yes.out));
    // No terms were read: the header's date differs from none.
    EXPECT_EQ(u8("8137 日付が違っています。\\r読込を続けますか？\n"), u8(yes.err));

    auto no = runOrnel({"import", "--answer", "no", "-"}, kVenueHeader);
    EXPECT_EQ(0, no.status);
    EXPECT_EQ("", no.out);
    EXPECT_EQ(yes.err, no.err);
}

// Text that draws a box is parsed once: the list comes out as the program
// leaves it and the box is shown once, as `ornel parse` shows it.
TEST_F(BetImportCommands, TextThatDrawsABoxShowsItOnceAndLeavesTheParsedList) {
    const auto run = runOrnel({"import", "--utf8", "-"}, "?\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, u8("8005 競馬場コードまたは投票種別が不正です！\n"));
}

TEST_F(BetImportCommands, ImportChecksHeadersAndBetsAgainstTheClientsTerms) {
    testsupport::TermsValues values;  // 2024-06-15, 東京 3回 4日目, races 1..12 on sale
    writeBytes(dir.file("Pat95.exe"), "");
    testsupport::writeTextFile(dir.file("Uy-a.Jra"), {testsupport::termsLine(values).str()});
    const std::string clientDir = withoutSlash(dir.path());

    auto run = runOrnel({"import", "--client-dir", clientDir, "--now", "2024-06-15 10:00", "-"}, kVenueHeader);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n002: 東京 12R 単勝    02      300\r\n"), u8(run.out));

    std::string otherMeeting = kVenueHeader;
    otherMeeting.replace(otherMeeting.find("3回"), 1, "2");
    auto asked = runOrnel({"import", "--client-dir", clientDir, "--now", "2024-06-15 10:00", "-"}, otherMeeting);
    EXPECT_EQ(u8("8138 回日が違っています。\\r読込を続けますか？\n"), u8(asked.err));
}

// Text that draws boxes comes out of import and load as a paste into the
// list leaves it and as parse prints it: each box once, then the list as the
// re-parse rendered it.
TEST_F(BetImportCommands, TextThatDrawsBoxesComesOutAsParsePrintsIt) {
    const auto lone = runOrnel({"import", "--utf8", "-"}, "?\n");
    EXPECT_EQ("", lone.out);
    EXPECT_EQ(sjis::toUtf8("8005 競馬場コードまたは投票種別が不正です！\n"), lone.err);

    writeBytes(dir.file("Pat95.exe"), "");
    testsupport::writeTextFile(dir.file("Uy-a.Jra"), {testsupport::termsLine(testsupport::TermsValues{}).str()});
    const std::string clientDir = withoutSlash(dir.path());
    const std::string text = "東京 1R 単勝 3 100\r\n?\r\n阪神 2R 単勝 4 100\r\n東京 2R 単勝 4 100\r\n";
    const std::vector<std::string> terms = {"--client-dir", clientDir, "--now", "2024-06-15 10:00"};
    auto command = [&](std::vector<std::string> args) {
        args.insert(args.end(), terms.begin(), terms.end());
        return args;
    };
    const auto parsed = runOrnel(command({"parse", "-"}), text);
    EXPECT_EQ(u8("001: 東京  1R 単勝    03      100\r\n002: 東京  2R 単勝    04      100\r\n"), u8(parsed.out));
    EXPECT_EQ(u8("8005 競馬場コードまたは投票種別が不正です！\n8002 未開催競馬場？\n"), u8(parsed.err));

    const auto imported = runOrnel(command({"import", "-"}), text);
    EXPECT_EQ(u8(parsed.out), u8(imported.out));
    EXPECT_EQ(u8(parsed.err), u8(imported.err));
    writeBytes(dir.file("bets.txt"), text);
    const auto loaded = runOrnel(command({"load", "--bet-dir", clientDir, dir.file("bets.txt")}));
    EXPECT_EQ(u8(parsed.out), u8(loaded.out));
    EXPECT_EQ(u8(parsed.err), u8(loaded.err));
}

TEST_F(BetImportCommands, ImportTakesTheFhwarsOptionsOfTheProfileWithoutWritingIt) {
    const std::string profile = "[Define]\r\nFHWARS TAN=1\r\nFHWARS Tan Kingaku=500\r\nFHWARS REN=0\r\n";
    writeBytes(dir.file("ORNEL.INI"), profile);
    writeBytes(dir.file("focus.txt"), u8("東京　２０２４年　３回　４日目　６月　１５日　[12]\n 5R   7  3- 5\n"));
    auto run = runOrnel({"import", "--utf8", "--ini", dir.file("ORNEL.INI"), "--answer", "yes", dir.file("focus.txt")});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(u8("001: 東京  5R 単勝    07      500\r\n"), run.out);
    EXPECT_EQ(u8("8137 日付が違っています。\\r読込を続けますか？\n"), run.err);
    EXPECT_EQ(profile, readBytes(dir.file("ORNEL.INI")));
}

TEST_F(BetImportCommands, LoadTakesTheDaysFileLogsItAndRenamesIt) {
    writeBytes(dir.file("24061501.BET"), kVenueHeader);
    const std::string betDir = withoutSlash(dir.path());
    auto run = runOrnel({"load", "--bet-dir", betDir, "--now", "2024-06-15 10:00"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n002: 東京 12R 単勝    02      300\r\n"), u8(run.out));
    EXPECT_FALSE(exists(dir.file("24061501.BET")));
    EXPECT_EQ(kVenueHeader, readBytes(dir.file("24061501.Sav")));
    EXPECT_EQ("\r\nLOAD BET FILE 24/06/15 10:00:00\r\n" + kVenueHeader, readBytes(dir.file("BT240615.LOG")));

    // Nothing waiting any more: nothing is printed.
    auto again = runOrnel({"load", "--bet-dir", betDir, "--now", "2024-06-15 10:05"});
    EXPECT_EQ(0, again.status);
    EXPECT_EQ("", again.out);
    EXPECT_EQ("", again.err);

    // A file named on the command line; "Rename Sav" 0 removes it.
    writeBytes(dir.file("ORNEL.INI"), "[Define]\r\nRename Sav=0\r\n");
    writeBytes(dir.file("extra.txt"), "中山 1R 単勝 7 500\r\n");
    auto named = runOrnel({"load", "--bet-dir", betDir, "--now", "2024-06-15 10:10", "--ini",
                           dir.file("ORNEL.INI"), dir.file("extra.txt")});
    EXPECT_EQ(u8("001: 中山  1R 単勝    07      500\r\n"), u8(named.out));
    EXPECT_FALSE(exists(dir.file("extra.txt")));
}

// With --utf8, or a byte-order mark, FILE is read as UTF-8 (a Shift-JIS
// copy is loaded in its place, FILE stays as it is).
TEST_F(BetImportCommands, LoadReadsAUtf8FileAsUtf8) {
    const std::string betDir = dir.file("bets");
    ASSERT_TRUE(std::filesystem::create_directories(betDir));
    testsupport::writeBytes(dir.file("bets.txt"), "\xE6\x9D\xB1\xE4\xBA\xAC 11R \xE9\xA6\xAC\xE9\x80\xA3 3-5 1000\n");
    const auto run = runOrnel({"load", "--utf8", "--bet-dir", betDir, "--now", "2024-06-15 10:00", dir.file("bets.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "001: \xE6\x9D\xB1\xE4\xBA\xAC 11R \xE9\xA6\xAC\xE9\x80\xA3 03-05     1000\r\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(exists(dir.file("bets.txt")));

    testsupport::writeBytes(dir.file("marked.txt"), "\xEF\xBB\xBF" + u8("中山 1R 単勝 7 500\n"));
    const auto marked = runOrnel({"load", "--bet-dir", betDir, "--now", "2024-06-15 10:05", dir.file("marked.txt")});
    EXPECT_EQ(marked.err, "");
    EXPECT_EQ(u8(marked.out), u8("001: 中山  1R 単勝    07      500\r\n"));
}

// Import and load keep the list's limits and say what did not fit.
TEST_F(BetImportCommands, WhatTheListCannotHoldIsReported) {
    auto imported = runOrnel({"import", "-"}, kVenueHeader + '\0' + "12R 単勝  3  300\r\n");
    EXPECT_EQ(0, imported.status);
    EXPECT_EQ(u8("ornel import: dropped 19 bytes (1 line) from line 3 on: a NUL byte ends the text\n"
                 "8137 日付が違っています。\\r読込を続けますか？\n"),
              u8(imported.err));

    std::string big = "中山 1R 単勝 7 500\r\n";
    for (int i = 0; i < 2100; ++i) big += "ABCDEFGHI\r\n";
    big += "中山 2R 単勝 7 500\r\n";
    writeBytes(dir.file("24061501.BET"), big);
    auto loaded = runOrnel({"load", "--bet-dir", withoutSlash(dir.path()), "--now", "2024-06-15 10:00"});
    EXPECT_EQ(0, loaded.status);
    // A bet file is taken whole or not at all: it stays, unlogged, and the box says why.
    EXPECT_EQ("", loaded.out);
    EXPECT_NE(std::string::npos, u8(loaded.err).find(u8("ベットファイルが大きすぎる"))) << u8(loaded.err);
    EXPECT_EQ(big, readBytes(dir.file("24061501.BET")));
    EXPECT_EQ("", readBytes(dir.file("BT240615.LOG")));
}

TEST_F(BetImportCommands, NextBetNamesTheExpectedFile) {
    const std::string betDir = withoutSlash(dir.path());
    auto first = runOrnel({"nextbet", "--bet-dir", betDir, "--date", "1998-12-05"});
    EXPECT_EQ(0, first.status);
    EXPECT_EQ(dir.file("98120501.Bet") + "\n", first.out);
    writeBytes(dir.file("98120509.Sav"), "x\r\n");
    EXPECT_EQ(dir.file("98120510.BET") + "\n",
              runOrnel({"nextbet", "--bet-dir", betDir, "--date", "1998-12-05"}).out);
}

TEST_F(BetImportCommands, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"import"},
             {"import", "--answer", "maybe", "-"},
             {"import", "--client-dir", dir.path(), "-"},
             {"load", "--now", "2024-06-15 10:00"},
             {"load", "--bet-dir", dir.path(), dir.file("missing.bet")},
             {"nextbet", "--bet-dir", dir.path()},
             {"nextbet", "--bet-dir", dir.path(), "--date", "1998-13-05"}}) {
        auto run = runOrnel(args, kVenueHeader);
        EXPECT_EQ(2, run.status) << args[0] << " " << args.size();
        EXPECT_EQ("", run.out);
    }
}

}  // namespace

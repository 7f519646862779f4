// `ornel parse` end to end: the built command on bet text files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "run_ornel.h"
#include "support/client_files.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::u8;

namespace {

TEST(ParseCommand, ShiftJisTextBecomesTheCanonicalList) {
    auto run = runOrnel({"parse"}, "東京 11R 馬連 3-5 1000\r\n中山 1r 単勝 7 500\r\n");
    EXPECT_EQ(run.status, 0);
    // The list edit upper-cases letters, as when the text is typed or pasted.
    EXPECT_EQ(run.out, "001: 東京 11R 馬連 03-05     1000\r\n002: 中山  1R 単勝    07      500\r\n");
    EXPECT_EQ(run.err, "");
}

TEST(ParseCommand, Utf8InAndOutWithOneLinePerBox) {
    testsupport::TempDir dir;
    testsupport::writeBytes(dir.file("bets.txt"), u8("東京 1R 3\n★ 4\n東京 2R 1-2 500\n"));
    auto run = runOrnel({"parse", "--utf8", dir.file("bets.txt")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, u8("001: 東京  1R 単勝    03      100\r\n002: 東京  2R 馬連 01-02      500\r\n"));
    EXPECT_EQ(run.err, u8("8005 競馬場コードまたは投票種別が不正です！\n"));
}

// The mark is left out and says UTF-8 even without --utf8.
TEST(ParseCommand, AByteOrderMarkIsSkipped) {
    const std::string marked = "\xEF\xBB\xBF" + u8("東京 1R 3\n東京 2R 4\n");
    const std::string list = "001: 東京  1R 単勝    03      100\r\n002: 東京  2R 単勝    04      100\r\n";
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"parse", "--utf8"}, {"parse", "--sjis"}}) {
        const auto run = runOrnel(args, marked);
        EXPECT_EQ(run.err, "") << args[1];
        EXPECT_EQ(run.out, args[1] == "--utf8" ? u8(list) : list) << args[1];
    }
}

// The list keeps what its edit control takes (up to a NUL byte, at most
// 20480 bytes); the rest is named on standard error.
TEST(ParseCommand, WhatTheListCannotHoldIsReported) {
    auto nul = runOrnel({"parse"}, std::string("東京 1R 3\n東京 2R 4") + '\0' + " 5\n東京 3R 6\n");
    EXPECT_EQ(nul.status, 0);
    EXPECT_EQ(nul.out, "001: 東京  1R 単勝    03      100\r\n002: 東京  2R 単勝    04      100\r\n");
    EXPECT_EQ(nul.err, "ornel parse: dropped 16 bytes (2 lines) from line 2 on: a NUL byte ends the text\n");

    // 11 bytes a line with its CR LF: 1861 whole lines and 9 bytes of the
    // next fit, and the bet on the last line is lost.
    std::string text = "東京 1R 3\n";
    for (int i = 0; i < 2000; ++i) text += "ABCDEFGHI\n";
    text += "東京 2R 4\n";
    auto full = runOrnel({"parse"}, text);
    EXPECT_EQ(full.status, 0);
    EXPECT_EQ(full.err,
              "ornel parse: dropped 1542 bytes (141 lines) from line 1862 on: the bet list holds at most 20480 "
              "bytes\n");
    EXPECT_EQ(full.out, "001: 東京  1R 単勝    03      100\r\n");
}

TEST(ParseCommand, FullTableShowsOneBoxPerRefusedBet) {
    std::string text = "東京 1R 単勝\n";
    for (int i = 0; i < 298; ++i) text += "3\n";
    text += "1,2,3,4\n5\n";
    auto run = runOrnel({"parse", "-"}, text);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "8001 ベット数オーバー\n8001 ベット数オーバー\n");
    EXPECT_EQ(run.out.substr(run.out.size() - 35), "300: 東京  1R 単勝    02      100\r\n");
}

TEST(ParseCommand, MergeSortsAndAddsUp) {
    auto run = runOrnel({"parse", "--merge"}, "中山 2R 3 200\n東京 11R 馬連 5-3 500\n東京 11R 3-5 1000\n");
    EXPECT_EQ(run.out, "001: 東京 11R 馬連 03-05     1500\r\n002: 中山  2R 単勝    03      200\r\n");
}

TEST(ParseCommand, LimitsAreAskedWithTheSettingsOfTheProfileWhichStaysUntouched) {
    testsupport::TempDir dir;
    const std::string profile =
        "[Define]\r\nLimit Race=1000\r\nLimit Time=999900\r\nPat Id=12345678\r\n"
        "Pat Pass Word=1234\r\nBet File Watch Distance=30\r\n";
    testsupport::writeBytes(dir.file("ORNEL.INI"), profile);
    const std::string bets = "東京 1R 3,4 1000\n";

    auto yes = runOrnel({"parse", "--check-limits", "--ini", dir.file("ORNEL.INI")}, bets);
    EXPECT_EQ(yes.status, 0);
    EXPECT_EQ(yes.err,
              "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits proceed\n");
    auto no = runOrnel({"parse", "--check-limits", "--answer", "no", "--ini", dir.file("ORNEL.INI")}, bets);
    EXPECT_EQ(no.err,
              "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits abort\n");
    EXPECT_EQ(testsupport::readBytes(dir.file("ORNEL.INI")), profile);

    // Without a profile the defaults (5000 yen each) apply.
    auto defaults = runOrnel({"parse", "--check-limits"}, bets);
    EXPECT_EQ(defaults.err, "limits proceed\n");
}

TEST(ParseCommand, AProfileNamedWithoutADirectoryIsTheOneInTheWorkingDirectory) {
    testsupport::TempDir dir;
    testsupport::writeBytes(dir.file("ORNEL.INI"), "[Define]\r\nLimit Race=1000\r\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    auto run = runOrnel({"parse", "--check-limits", "--ini", "ORNEL.INI"}, "東京 1R 3,4 1000\n");
    std::filesystem::current_path(previous);
    EXPECT_EQ(run.err,
              "8139 レース単位賭金限度額を越えています。\\r投票を続けますか？\nlimits proceed\n");
}

TEST(ParseCommand, UsageErrorsAndUnreadableFilesExitWithTwo) {
    testsupport::TempDir dir;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"parse", "--bogus"},
                                               {"parse", "--answer", "maybe"},
                                               {"parse", dir.file("missing.txt")},
                                               {"parse", "--ini", dir.file("missing.ini")},
                                               {"parse", "--client-dir", dir.path()}}) {
        auto run = runOrnel(args, "東京 1R 3\n");
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// A client directory holding today's terms for 東京 (slot 0): bets are checked
// against them; terms of another day switch the checks off with 8145.
TEST(ParseCommand, ClientDirectoryTermsCheckTheBets) {
    testsupport::TempDir client;
    testsupport::TermsValues values;
    values.year = 1998, values.month = 12, values.day = 5, values.venueCode = 5;
    testsupport::writeTextFile(client.file("Uy-a.Jra"), {testsupport::termsLine(values).str()});
    const std::string bets = "中山 1R 3\n東京 13R 1\n東京 1R 単勝 3\n";

    auto today = runOrnel({"parse", "--client-dir", client.path(), "--now", "1998-12-05 10:00"}, bets);
    EXPECT_EQ(today.status, 0);
    // Race 13 is not on sale (8003) and is no race to bet anyway.
    EXPECT_EQ(today.err, "8002 未開催競馬場？\n8003 未発売レース？\n");
    EXPECT_EQ(today.out, "001: 東京  1R 単勝    03      100\r\n");

    auto nextDay = runOrnel({"parse", "--client-dir", client.path(), "--now", "1998-12-06 10:00"}, bets);
    EXPECT_EQ(nextDay.err, "8145 投票要項ノンチェックモードで動作します。\n");
    EXPECT_EQ(nextDay.out,
              "001: 中山  1R 単勝    03      100\r\n002: 東京  1R 単勝    03      100\r\n");

    testsupport::TempDir empty;
    auto none = runOrnel({"parse", "--client-dir", empty.path(), "--now", "1998-12-05 10:00"}, "東京 1R 3\n");
    EXPECT_EQ(none.err, "0 開催情報ファイルが見つかりません！\n8145 投票要項ノンチェックモードで動作します。\n");
}

}  // namespace

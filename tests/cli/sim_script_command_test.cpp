// `ornel sim script` end to end: the whole program played by scripts of a
// user's steps, with the boxes and dialogs, the window's state, the runs and
// the ledger they leave.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

namespace {

constexpr const char* kScriptDay =
    "date 2024-06-15\n"
    "account user=11112222 password=0123 limit=100000 balance=100000\n"
    "meeting 東京 kai=3 nichime=2\n"
    "race 1 sale=15 start=15:00 horses=777777777777\n"
    "race 2 sale=15 start=15:30 horses=777777777777\n";

class SimScriptCommand : public ::testing::Test {
protected:
    SimScriptCommand() {
        std::filesystem::create_directories(file("client"));
        writeBytes(file("client/day.txt"), kScriptDay);
    }
    cli_test::Run play(const std::string& script) {
        writeBytes(dir.path() + "script.txt", script);
        return runOrnel({"sim", "script", "--home", dir.path() + "home", "--now", "2024-06-15 10:00",
                         dir.path() + "script.txt"});
    }
    std::string file(const std::string& name) const { return dir.path() + "home/" + name; }

    testsupport::TempDir dir;
};

// The status box and the list before, during and after a run, the buttons
// in each mode, the exit confirmation cancelled once.
TEST_F(SimScriptCommand, AManualSessionFromStartUpToClose) {
    const auto run = play(
        "# a manual run\n"
        "type 東京 1R 馬連 3-5 1000\\n東京 2R 単勝 1,2 200\\n\n"
        "show\n"
        "click 投票\n"
        "show\n"
        "idle\n"
        "show\n"
        "answer 終了確認 ｷｬﾝｾﾙ\n"
        "close\n"
        "close\n");
    EXPECT_EQ(run.status, 0) << u8(run.err);
    const std::string list =
        "001: 東京  1R 馬連 03-05     1000\n"
        "002: 東京  2R 単勝    01      200\n"
        "003: 東京  2R 単勝    02      200\n";
    const std::string termsLines =
        "前日収支        0/       0\n"
        "口座残高   100000/  100000\n"
        "投票要項 06/15\n"
        "発走時刻 00/00\n";
    const std::string before =
        "ベット計     1400/   3 Bet\n"
        "投票合計        0/   0 Bet\n"
        "購入可能   100000/ 300 Bet\n"
        "本節収支        0/       0\n"
        "本日収支        0/       0\n" +
        termsLines;
    EXPECT_EQ(u8(run.out), u8("10:00:00 dialog Ornel ご利用上のお願い -> ok\n"
                              "10:00:23 client 32774 -> 0\n"
                              "10:00:23 status\n" + before +
                              "10:00:23 list\n" + list +
                              "10:00:23 buttons 投票:on 読込:on ﾏ-ｼﾞ:on ｸﾘｱ:on AUTO:on ？:on\n"
                              "10:00:23 mode MANUAL\n"
                              "10:00:23 runstate 0\n"
                              "10:00:23 run start\n"
                              "10:00:23 beep ok\n"
                              "10:00:23 status\n" + before +
                              "10:00:23 list\n" + list +
                              "10:00:23 buttons STOP:on 読込:off ﾏ-ｼﾞ:off ｸﾘｱ:off AUTO:off ？:on\n"
                              "10:00:23 mode MANUAL\n"
                              "10:00:23 runstate 2\n"
                              "10:00:39 run end 1\n"
                              "10:00:39 status\n"
                              "投票合計     1400/   3 Bet\n"
                              "購入可能    98600/ 297 Bet\n"
                              "本節収支        0/    1400\n"
                              "本日収支        0/    1400\n" + termsLines +
                              "10:00:39 list\n"
                              "10:00:39 buttons 投票:on 読込:on ﾏ-ｼﾞ:on ｸﾘｱ:on AUTO:on ？:on\n"
                              "10:00:39 mode MANUAL\n"
                              "10:00:39 runstate 0\n"
                              "10:00:39 dialog 終了確認 -> cancel\n"
                              "10:00:39 dialog 終了確認 -> ok\n"
                              "10:00:39 window closed\n"
                              "ledger\n"
                              "001: 東京  1R 馬連 03-05     1000\r\n"
                              "002: 東京  2R 単勝    01      200\r\n"
                              "003: 東京  2R 単勝    02      200\r\n"));
    EXPECT_NE(readBytes(file("WINDOWS/Ornel.INI")).find("Frame Pos="), std::string::npos);
}

// The auto-exit time set in its dialog, AUTO mode on, a bet file dropped
// into the bet-file directory: the watch places it within its 12 s cycle,
// and at the first watch interval after 10:30 the program closes without
// asking and without storing its placement.
TEST_F(SimScriptCommand, AutoModePlacesADroppedFileAndExitsAtItsTime) {
    writeBytes(dir.path() + "bets.txt", "東京 1R 単勝 3 500\n東京 2R 複勝 4 300\n");
    const auto run = play(
        "field タイマー自動終了 1066 10\n"
        "field タイマー自動終了 1067 30\n"
        "field タイマー自動終了 1068 1\n"
        "command 32782\n"
        "click AUTO\n"
        "drop bets.txt 24061501.BET\n"
        "wait 15s\n"
        "idle\n"
        "show\n"
        "at 10:31\n"
        "click MANU   # too late: the window is closed\n");
    EXPECT_EQ(run.status, 0) << u8(run.err);
    EXPECT_EQ(u8(run.out), u8("10:00:00 dialog Ornel ご利用上のお願い -> ok\n"
                              "10:00:23 client 32774 -> 0\n"
                              "10:00:23 dialog タイマー自動終了の設定 -> ok\n"
                              "10:00:23 client 1021 -> 0\n"
                              "10:00:27 run start\n"
                              "10:00:27 beep ok\n"
                              "10:00:41 run end 1\n"
                              "10:00:41 status\n"
                              "投票合計      800/   2 Bet\n"
                              "購入可能    99200/ 298 Bet\n"
                              "本節収支        0/     800\n"
                              "本日収支        0/     800\n"
                              "前日収支        0/       0\n"
                              "口座残高   100000/  100000\n"
                              "投票要項 06/15\n"
                              "発走時刻 00/00\n"
                              "10:00:41 list\n"
                              "10:00:41 buttons 投票:off 読込:off ﾏ-ｼﾞ:off ｸﾘｱ:off MANU:on ？:on\n"
                              "10:00:41 mode AUTO\n"
                              "10:00:41 runstate 0\n"
                              "10:30:23 window closed\n"
                              "10:31:00 skipped line 11: the window is closed\n"
                              "ledger\n"
                              "001: 東京  1R 単勝    03      500\r\n"
                              "002: 東京  2R 複勝    04      300\r\n"));
    const std::string profile = readBytes(file("WINDOWS/Ornel.INI"));
    EXPECT_NE(profile.find("Auto Exit Time=1030\r\n"), std::string::npos);
    EXPECT_EQ(profile.find("Frame Pos="), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(file("bets/24061501.Sav")));
}

// Declined, the caution closes the program at once; the steps that need
// the window are skipped and said so.
TEST_F(SimScriptCommand, DecliningTheCautionEndsTheSession) {
    const auto run = play("answer Ornel いいえ\nclick 投票\n");
    EXPECT_EQ(run.status, 0) << u8(run.err);
    EXPECT_EQ(u8(run.out), u8("10:00:00 dialog Ornel ご利用上のお願い -> cancel\n"
                              "10:00:00 window closed\n"
                              "10:00:00 skipped line 2: the window is closed\n"
                              "ledger\n"));
}

TEST_F(SimScriptCommand, ALineThatCannotBeReadIsNamedBeforeAnythingRuns) {
    auto run = play("show\n\nwait 5x\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ornel sim script: line 3: wait takes N, Ns or Nm (1 second to 24 hours), not \"5x\"\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(file("WINDOWS")));

    run = play("click 押す\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "ornel sim script: line 1: no button is called \"押す\"\n");
    run = play("drop missing.txt 24061501.BET\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.substr(0, 33), "ornel sim script: line 1: cannot ");
    EXPECT_EQ(runOrnel({"sim", "script", "--home", dir.path() + "home"}).status, 2) << "no script";
}

}  // namespace

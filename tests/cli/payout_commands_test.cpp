// `ornel sim payout` and `ornel report` end to end: bets placed with
// `ornel sim bet` in the morning come back with their payouts after the
// last race, and the report shows the centre's results.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_ornel.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

namespace {

// Race 1's result is out at 15:10, race 2's (a dead heat for first) at 15:40.
constexpr const char* kDay =
    "date 2024-06-15\n"
    "account user=11112222 password=0123 limit=100000 balance=100000\n"
    "meeting 東京 kai=3 nichime=2\n"
    "race 1 sale=15 start=15:00 horses=777777777777\n"
    "order 3 5 7 1\n"
    "win 3:350\n"
    "place 3:150 5:200 7:310\n"
    "bracket 2-3:1230\n"
    "quinella 3-5:2450\n"
    "race 2 sale=15 start=15:30 horses=777777777777\n"
    "order 1=2 4\n"
    "win 1:210 2:260\n"
    "place 1:110 2:120 4:400\n"
    "bracket 1-2:540\n"
    "quinella 1-2:380\n";

constexpr const char* kBets = "東京 1R 馬連 3-5 1000\n東京 1R 単勝 3 500\n東京 1R 複勝 9 100\n東京 2R 単勝 1,2 200\n";

// The bet lines of the vote-log echo, reconciled.
const std::string kReconciledBets =
    " 1 0 東京  1R 馬連 03-05   1000 受 0    24500\n"
    " 2 0 東京  1R 単勝    03    500 受 0       1750\n"
    " 3 0 東京  1R 複勝    09    100 受 0\n"
    " 4 0 東京  2R 単勝    01    200 受 0        420\n"
    " 5 0 東京  2R 単勝    02    200 受 0        520\n";
const std::string kSummary = "\n 収入      27190   支出       2000   回収率 1359.50％ \n";
const std::string kRaceRows =
    "  1R| 3|   350| 3|   150| 5|   200| 7|   310|2-3|  1230| 3- 5|  2450|\n"
    "* 2R| 1|   210| 1|   110| 2|   120| 4|   400|1-2|   540| 1- 2|   380|\n"
    "*   | 2|   260|  |      |  |      |  |      |   |      |     |      |※同着\n";

class PayoutCommands : public ::testing::Test {
protected:
    PayoutCommands() {
        std::filesystem::create_directories(file("client"));
        writeBytes(file("client/day.txt"), kDay);
        writeBytes(dir.file("bets.txt"), kBets);
        const auto bet = runOrnel({"sim", "bet", "--home", dir.file("home"), "--now", "2024-06-15 10:00",
                                   dir.file("bets.txt")});
        EXPECT_EQ(bet.out.substr(0, 9), "result 1\n") << u8(bet.out);
    }
    cli_test::Run payout(const std::string& now, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"sim", "payout", "--home", dir.file("home"), "--now", now};
        args.insert(args.end(), extra.begin(), extra.end());
        return runOrnel(args);
    }
    std::string file(const std::string& name) const { return dir.file("home/" + name); }
    std::string betLog() const { return readBytes(file("bets/BT240615.LOG")); }

    testsupport::TempDir dir;
};

TEST_F(PayoutCommands, BetsPlacedInTheMorningComeBackWithTheirPayouts) {
    const auto run = payout("2024-06-15 17:00", {"--report"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 9), "result 0\n") << u8(run.out);
    EXPECT_NE(run.out.find("\nvirtual-ms "), std::string::npos);
    EXPECT_NE(run.out.find(kReconciledBets), std::string::npos) << u8(run.out);
    EXPECT_NE(run.out.find(kSummary + "report\n\n☆★払戻金情報★☆  ２４年３回東京２日目"), std::string::npos)
        << u8(run.out);
    EXPECT_NE(run.out.find(kRaceRows), std::string::npos) << u8(run.out);
    const std::string tail = "※現在返還情報の形式が不明なため対応していません！\ntoday-purchase 2000\ntoday-payout 27190\n";
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
    // The files as the program wrote them.
    EXPECT_NE(betLog().find(" 1 0 東京  1R 馬連 03-05   1000 受 0    24500\r\n"), std::string::npos);
    EXPECT_FALSE(readBytes(file("bets/Hi240615.Txt")).empty());
    const std::string profile = readBytes(file("WINDOWS/Ornel.INI"));
    EXPECT_NE(profile.find("Current Info=2024/06/15 /      2000 /     27190 /"), std::string::npos) << profile;
    EXPECT_EQ(profile.find("Haraimodoshi Info Get Time=2"), std::string::npos) << "--report is not stored";
}

TEST_F(PayoutCommands, BeforeTheResultsNothingIsPaidAndWithoutTheSwitchNoReportIsWritten) {
    const auto run = payout("2024-06-15 15:20");  // race 1 is in, race 2 is not
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" 4 0 東京  2R 単勝    01    200 受 0\n"), std::string::npos) << u8(run.out);
    EXPECT_NE(run.out.find("\n 収入      26250   支出       2000   回収率 1312.50％ \nreport\ntoday-purchase 2000\n"),
              std::string::npos)
        << u8(run.out);
    std::error_code ec;
    EXPECT_FALSE(std::filesystem::exists(file("bets/Hi240615.Txt"), ec));
}

TEST_F(PayoutCommands, AFailedTransferIsReportedAndLeavesTheLogAsItWas) {
    const std::string before = betLog();
    for (const char* fault : {"transfer-error", "transfer-hang"}) {
        SCOPED_TRACE(fault);
        const auto run = payout("2024-06-15 17:00", {"--fault", fault, "--report"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out.substr(0, 10), "result -1\n") << u8(run.out);
        EXPECT_NE(run.out.find("\n8141 Ｐａｔ９５が正常に操作できません。"), std::string::npos) << u8(run.out);
        EXPECT_NE(run.out.find("\nreport\ntoday-purchase"), std::string::npos) << u8(run.out);
        EXPECT_EQ(betLog().find("収入"), std::string::npos) << u8(betLog());
    }
    EXPECT_EQ(betLog().substr(0, before.size()), before);
}

// The report command reads what the client already has; run twice with the
// same clock it gives the same payouts, one more summary, and the report
// each time.
TEST_F(PayoutCommands, TheReportCommandWorksFromTheFilesTheClientHas) {
    ASSERT_EQ(payout("2024-06-15 17:00").status, 0);
    const std::vector<std::string> args = {"report", "--bet-dir", file("bets"), "--client-dir", file("client"),
                                           "--ini", file("WINDOWS/Ornel.INI"), "--now", "2024-06-15 17:10"};
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE(i);
        const auto run = runOrnel(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, 7), "8145 投") << u8(run.out);  // the terms are past their hours
        EXPECT_NE(run.out.find(kReconciledBets), std::string::npos) << u8(run.out);
        EXPECT_NE(run.out.find(kRaceRows), std::string::npos) << u8(run.out);
        EXPECT_NE(run.out.find("today-payout 27190\n"), std::string::npos);
    }
    std::size_t summaries = 0;
    for (std::size_t at = betLog().find("収入"); at != std::string::npos; at = betLog().find("収入", at + 1)) ++summaries;
    EXPECT_EQ(summaries, 3u);

    EXPECT_EQ(runOrnel({"report", "--client-dir", file("client")}).status, 2);
    EXPECT_EQ(runOrnel({"report", "--bet-dir", file("bets")}).status, 2);
}

}  // namespace

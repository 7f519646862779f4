// Finding, loading and echoing the client's vote logs.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "client_dir_fixture.h"
#include "support/client_files.h"
#include "clientdata/vote_log.h"
#include "platform/sim/desktop.h"

namespace clientdata {
namespace {

using testsupport::VoteEntry;
using testsupport::voteLogLine;
using testsupport::writeTextFile;
using testsupport::readBytes;
using testsupport::u8;

class FakeHost : public VoteLogHost {
public:
    std::string mainCaption() override { return caption; }
    void setMainCaption(const std::string& text) override { caption = text; }
    void showBetStatus() override { ++statusDrawn; }
    void storeCurrentInfo(const std::string& line) override { stored.push_back(line); }

    std::string caption = "Ornel";
    int statusDrawn = 0;
    std::vector<std::string> stored;
};

class VoteLogTest : public clienttest::ClientDirTest {
protected:
    VoteLogTest() {
        desktop = std::make_unique<sim::Desktop>(sim::Desktop::Options{root.file("desk/"), clock});
        betFile.path = betDir() + "24061501.Bet";
        terms.termsYear = 2024, terms.termsMonth = 6, terms.termsDay = 15;
        terms.purchaseLimit = 100000;
        terms.availableAmount = 100000;
        terms.betsRemaining = 300;
        terms.lastReceiptNo = -1;
    }
    void writeLog(int number, const std::string& record, std::int64_t mtime) {
        char name[16];
        std::snprintf(name, sizeof name, "Lg-%02d.JRA", number);
        writeTextFile(clientDir() + name, {record}, mtime);
    }
    std::string betLog() const { return readBytes(betDir() + "BT240615.LOG"); }

    const std::int64_t clock = at(2024, 6, 15, 10, 30);
    std::unique_ptr<sim::Desktop> desktop;
    base::VotingTerms terms;
    VoteLogState state;
    base::CurrentBetFile betFile;
    FakeHost host;
    VoteLogContext context{terms, state, betFile, clientExe(), host};
};

const std::string kHeader = "\r\nLOAD LOG FILE 24/06/15 10:30:00\r\n";

TEST_F(VoteLogTest, FirstRefreshLoadsTodaysNewestLog) {
    writeLog(6, voteLogLine(4, {VoteEntry{}}, 10, 299, 990), at(2024, 6, 15, 9, 0));
    writeLog(7, voteLogLine(5, {VoteEntry{}}, 10, 298, 980), at(2024, 6, 15, 10, 0));

    RefreshVoteLog(context, clock);
    EXPECT_EQ(state.nextLogPath, clientDir() + "Lg-08.JRA");
    EXPECT_GE(state.lastLogTime, clock);  // the time of the refresh
    EXPECT_EQ(host.statusDrawn, 1);
    EXPECT_EQ(terms.lastReceiptNo, 5);
    EXPECT_EQ(terms.todayPurchase, 1000);
    EXPECT_EQ(u8(betLog()), u8(kHeader + "投票可能      98000円 / 298ﾍﾞｯﾄ 受付番号#0005\r\n" +
                               " 1 0 東京 11R 馬連 03-12   1000 受 1\r\n"));

    // Later refreshes only move on to the newest number.
    writeLog(8, voteLogLine(6, {VoteEntry{}}, 10, 297, 970), at(2024, 6, 15, 10, 20));
    RefreshVoteLog(context, clock);
    EXPECT_EQ(state.nextLogPath, clientDir() + "Lg-09.JRA");
    EXPECT_EQ(host.statusDrawn, 1);
    EXPECT_EQ(terms.lastReceiptNo, 5);
}

TEST_F(VoteLogTest, YesterdaysLogIsNotLoaded) {
    writeLog(6, voteLogLine(4, {}, 10, 299, 990), at(2024, 6, 14, 9, 0));
    writeLog(7, voteLogLine(5, {}, 10, 298, 980), at(2024, 6, 14, 15, 0));
    RefreshVoteLog(context, clock);
    EXPECT_EQ(state.nextLogPath, clientDir() + "Lg-08.JRA");
    EXPECT_EQ(host.statusDrawn, 0);
    EXPECT_EQ(terms.lastReceiptNo, -1);
    plat::FileInfo info;
    EXPECT_FALSE(plat::fileStatus(betDir() + "BT240615.LOG", info));
}

TEST_F(VoteLogTest, NumbersWrapAfter99AndStartAt00) {
    RefreshVoteLog(context, clock);
    EXPECT_EQ(state.nextLogPath, clientDir() + "Lg-00.JRA");
    writeLog(99, voteLogLine(4, {}, 10, 299, 990), at(2024, 6, 14));
    writeLog(98, voteLogLine(3, {}, 10, 299, 990), at(2024, 6, 13));
    RefreshVoteLog(context, clock);
    EXPECT_EQ(state.nextLogPath, clientDir() + "Lg-00.JRA");
}

TEST_F(VoteLogTest, TwoVotesMakeTheDaysTotals) {
    writeLog(0, voteLogLine(1, {VoteEntry{}, VoteEntry{2, 0, 6, 1, 1, 0, 5, 20, 0, 0}}, 30, 290, 1500),
             clock + 10);
    writeLog(1, voteLogLine(2, {VoteEntry{}, VoteEntry{}}, 20, 280, 1200), clock + 20);
    std::string path = clientDir() + "Lg-00.JRA";

    EXPECT_EQ(LoadVoteLog(context, path, clock), 3000);
    EXPECT_EQ(path, clientDir() + "Lg-01.JRA");
    EXPECT_EQ(host.caption, "Ornel 150000 / 290 #0001");
    EXPECT_EQ(LoadVoteLog(context, path, clock), 2000);
    EXPECT_EQ(path, clientDir() + "Lg-02.JRA");

    EXPECT_EQ(terms.todayPurchase, 5000);
    EXPECT_EQ(terms.todayPayout, 25000);
    EXPECT_EQ(terms.availableAmount, 120000);
    EXPECT_EQ(terms.betsRemaining, 280);
    EXPECT_EQ(terms.lastReceiptNo, 2);
    EXPECT_EQ(state.lastLogTime, clock + 20);
    EXPECT_EQ(host.caption, "Ornel  120000 / 280 #0002");
    ASSERT_EQ(host.stored.size(), 2u);
    EXPECT_EQ(host.stored[1],
              "2024/06/15 /      5000 /     25000 /         0 /         0 /    100000 /         0 /    120000 / "
              "280 /    2");
    EXPECT_EQ(u8(betLog()), u8(kHeader + "投票可能     150000円 / 290ﾍﾞｯﾄ 受付番号#0001\r\n" +
                               " 1 0 東京 11R 馬連 03-12   1000 受 1\r\n" +
                               " 2 0 中山  1R 単勝    05   2000 受 0\r\n" + kHeader +
                               "投票可能     120000円 / 280ﾍﾞｯﾄ 受付番号#0002\r\n" +
                               " 1 0 東京 11R 馬連 03-12   1000 受 1\r\n" +
                               " 1 0 東京 11R 馬連 03-12   1000 受 1\r\n"));
}

TEST_F(VoteLogTest, SameReceiptNumberIsEchoedAsHeaderOnly) {
    terms.lastReceiptNo = 7;
    terms.todayPurchase = 1000;
    writeLog(3, voteLogLine(7, {VoteEntry{}}, 10, 299, 990), clock);
    std::string path = clientDir() + "Lg-03.JRA";
    EXPECT_EQ(LoadVoteLog(context, path, clock), 1000);
    EXPECT_EQ(betLog(), kHeader);
    EXPECT_EQ(terms.todayPurchase, 1000);
    EXPECT_EQ(host.caption, "Ornel");
    EXPECT_TRUE(host.stored.empty());
    EXPECT_EQ(path, clientDir() + "Lg-04.JRA");
}

TEST_F(VoteLogTest, LogNotNewerThanTheLastIsSkipped) {
    writeLog(3, voteLogLine(7, {VoteEntry{}}, 10, 299, 990), clock);
    state.lastLogTime = clock;
    std::string path = clientDir() + "Lg-03.JRA";
    EXPECT_EQ(LoadVoteLog(context, path, clock), 0);
    EXPECT_EQ(path, clientDir() + "Lg-03.JRA");
    EXPECT_EQ(betLog(), "");
    path = clientDir() + "Lg-44.JRA";  // missing
    EXPECT_EQ(LoadVoteLog(context, path, clock), 0);
}

TEST_F(VoteLogTest, EmptyLogLeavesTheHeaderAndThePath) {
    testsupport::writeBytes(clientDir() + "Lg-03.JRA", "");
    testsupport::setMtime(clientDir() + "Lg-03.JRA", clock);
    std::string path = clientDir() + "Lg-03.JRA";
    EXPECT_EQ(LoadVoteLog(context, path, clock), 0);
    EXPECT_EQ(path, clientDir() + "Lg-03.JRA");
    EXPECT_EQ(betLog(), kHeader);
    EXPECT_EQ(state.lastLogTime, clock);
}

TEST_F(VoteLogTest, UncountedVotesAreStillEchoed) {
    // Receipt number 0: not counted, but echoed.  Without terms the vote is
    // counted but neither remembered nor stored.
    writeLog(3, voteLogLine(0, {VoteEntry{}}, 10, 299, 990), clock);
    std::string path = clientDir() + "Lg-03.JRA";
    EXPECT_EQ(LoadVoteLog(context, path, clock), 1000);
    EXPECT_EQ(terms.todayPurchase, 0);
    EXPECT_EQ(u8(betLog()), u8(kHeader + "投票可能      99000円 / 299ﾍﾞｯﾄ 受付番号#0000\r\n" +
                               " 1 0 東京 11R 馬連 03-12   1000 受 1\r\n"));

    terms.termsDay = 0;
    writeLog(4, voteLogLine(9, {}, 10, 298, 980), clock + 1);
    EXPECT_EQ(LoadVoteLog(context, path, clock), 1000);
    EXPECT_EQ(terms.todayPurchase, 1000);
    EXPECT_EQ(terms.lastReceiptNo, -1);
    EXPECT_TRUE(host.stored.empty());
}

TEST_F(VoteLogTest, OddRecordsNeverReadPastTheLine) {
    // 99 entries claimed, two present; venue codes out of range.
    VoteEntry zero{1, 0, 0, 2, 4, 1, 2, 1, 0, 0};
    VoteEntry eleven{2, 0, 11, 3, 1, 0, 4, 1, 0, 0};
    writeLog(3, voteLogLine(8, {zero, eleven}, 2, 298, 980, 99), clock);
    std::string path = clientDir() + "Lg-03.JRA";
    EXPECT_EQ(LoadVoteLog(context, path, clock), 200);
    EXPECT_EQ(u8(betLog()), u8(kHeader + "投票可能      98000円 / 298ﾍﾞｯﾄ 受付番号#0008\r\n" +
                               " 1 0       2R 馬連 01-02    100 受 0\r\n" +
                               " 2 0       3R 単勝    04    100 受 0\r\n"));
}

}  // namespace
}  // namespace clientdata

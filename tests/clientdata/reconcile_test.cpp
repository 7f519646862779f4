// Reconciling the day's bet log with the payouts, and the packed fetch time.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "base/recording_notifier.h"
#include "client_dir_fixture.h"
#include "clientdata/payout_fetch_time.h"
#include "clientdata/payout_report.h"
#include "clientdata/reconcile_bet_log.h"
#include "clientdata/vote_log_echo.h"
#include "platform/sim/desktop.h"
#include "support/client_files.h"

namespace clientdata {
namespace {

using testsupport::readBytes;
using testsupport::u8;
using testsupport::writeBytes;

class CountingHost : public TotalsHost {
public:
    void showBetStatus() override { ++statusDrawn; }
    void storeCurrentInfo(const std::string& line) override { stored.push_back(line); }
    int statusDrawn = 0;
    std::vector<std::string> stored;
};

// Echoed vote-log lines: kind 1 単勝, 2 複勝, 3 枠連, 4 馬連; status 0 受.
std::string echo(int venue, int race, int kind, int first, int second, int units, int status = 0) {
    VoteLogEntry e;
    e.lineNo = 1, e.venueCode = venue, e.race = race, e.kind = kind, e.first = first, e.second = second;
    e.amountUnits = units, e.status = status, e.digit18 = 1;
    return VoteLogEntryLine(e);
}
std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

class ReconcileTest : public clienttest::ClientDirTest {
protected:
    ReconcileTest() {
        desktop = std::make_unique<sim::Desktop>(sim::Desktop::Options{root.file("desk/"), clock});
        betFile.path = betDir() + "24061501.Bet";
        terms.termsYear = 2024, terms.termsMonth = 6, terms.termsDay = 15;
        terms.prevDayPurchase = 3000, terms.prevDayPayout = 1200;
        base::MeetingTerms& m = terms.meetings[1];  // 東京 in the second slot
        m.year = 2024, m.venueCode = 5, m.kai = 3, m.nichime = 4;
    }
    // A winning entry in 東京's payout file of the kind (race flagged as
    // having its result).
    void pays(PayoutKind kind, int race, int e, int first, int second, int payout) {
        files[static_cast<int>(kind)].block(race, race, 1).entry(race, e, first, second, payout);
    }
    void writePayoutFiles() {
        const char* names[] = {"Th-5434.Jra", "Fh-5434.Jra", "Wh-5434.Jra", "Uh-5434.Jra"};
        for (int k = 0; k < kPayoutKinds; ++k) testsupport::writeTextFile(clientDir() + names[k], {files[k].str()});
    }
    bool reconcile() {
        writePayoutFiles();
        return ReconcileBetLog(context, clock);
    }
    void writeLog(const std::string& text) { writeBytes(logPath, crlf(text)); }
    std::string log() const { return readBytes(logPath); }

    const std::int64_t clock = at(2024, 6, 15, 16, 50);
    const std::string logPath = betDir() + "BT240615.LOG";
    std::unique_ptr<sim::Desktop> desktop;
    base::VotingTerms terms;
    PayoutTables tables;
    base::CurrentBetFile betFile;
    CountingHost host;
    base::RecordingNotifier notifier;
    PayoutContext context{terms, tables, betFile, clientExe(), 1650, host, notifier};
    std::vector<testsupport::PayoutLine> files = {{0, "東京", 3, 4}, {1, "東京", 3, 4}, {2, "東京", 3, 4},
                                                  {3, "東京", 3, 4}};
};

TEST_F(ReconcileTest, WinningLinesGetTheirPayoutAndTheLogASummary) {
    const std::string win = echo(5, 1, 1, 0, 3, 10);       // 単勝 03, 1000 yen
    const std::string pair = echo(5, 11, 4, 3, 12, 2);     // 馬連 03-12, 200 yen
    const std::string losing = echo(5, 2, 2, 0, 7, 1);     // 複勝 07, 100 yen
    ASSERT_EQ(win.size(), 37u);                            // 36 bytes and the line end
    writeLog("\nLOAD LOG FILE 24/06/15 10:30:00\n" + win + pair + losing);
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 350);
    pays(PayoutKind::Umaren, 11, 0, 3, 12, 5120);
    pays(PayoutKind::Fukusho, 2, 0, 1, 0, 150);
    ASSERT_TRUE(reconcile());

    const std::string expected = "\nLOAD LOG FILE 24/06/15 10:30:00\n" + win.substr(0, 36) + "       3500\n" +
                                 pair.substr(0, 36) + "    10240\n" + losing +
                                 "\n 収入      13740   支出       1300   回収率 1056.92％ \n";
    EXPECT_EQ(log(), crlf(expected)) << u8(log());
    EXPECT_EQ(terms.todayPurchase, 1300);
    EXPECT_EQ(terms.todayPayout, 13740);
    EXPECT_EQ(terms.periodPurchase, 4300);
    EXPECT_EQ(terms.periodPayout, 14940);
    ASSERT_EQ(host.stored.size(), 1u);
    EXPECT_EQ(host.stored[0].substr(0, 37), "2024/06/15 /      1300 /     13740 / ");
    EXPECT_EQ(host.statusDrawn, 1);
    plat::FileInfo info;
    EXPECT_FALSE(plat::fileStatus(betDir() + "BT240615.$$$", info));
    EXPECT_FALSE(plat::fileStatus(PayoutReportPath(betFile, terms), info));  // 1650: no report
}

TEST_F(ReconcileTest, ReconcilingAgainGivesTheSamePayoutsAndOneMoreSummary) {
    writeLog(echo(5, 1, 1, 0, 3, 10) + echo(5, 3, 3, 2, 8, 5));
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 350);
    pays(PayoutKind::Wakuren, 3, 0, 2, 8, 4560);
    ASSERT_TRUE(reconcile());
    const std::string once = log();
    ASSERT_TRUE(reconcile());
    const std::string summary = crlf("\n 収入      26300   支出       1500   回収率 1753.33％ \n");
    EXPECT_EQ(log(), once + summary) << u8(log());
    EXPECT_EQ(terms.todayPayout, 26300);
}

TEST_F(ReconcileTest, OnlyAcceptedBetsOnTheDaysMeetingsCount) {
    const std::string text = "\nLOAD BET FILE 24/06/15 10:00:00\n"
                             "東京 1R 単勝 03 1000\n" +                     // a bet-file line, not an echo
                             echo(5, 1, 1, 0, 3, 10, 3) +                     // 〆: not accepted
                             echo(6, 1, 1, 0, 3, 10) +                        // 中山 is not held
                             echo(5, 1, 4, 3, 12, 1).replace(8, 5, "13R ") +  // no race 13
                             "投票可能     99000円 / 299ﾍﾞｯﾄ 受付番号#0001\n" +
                             echo(5, 1, 2, 0, 3, 1);                          // counted, lost
    writeLog(text);
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 350);
    ASSERT_TRUE(reconcile());
    EXPECT_EQ(log(), crlf(text + "\n 収入          0   支出        100   回収率    0.00％ \n")) << u8(log());
}

TEST_F(ReconcileTest, NothingSpentGivesARateOfZeroAndTheRunGoesOn) {
    context.payoutFetchTime = 21650;  // the report follows every reconciliation
    writeLog("\nLOAD BET FILE 24/06/15 10:00:00\n");
    ASSERT_TRUE(reconcile());
    EXPECT_NE(log().find(crlf("回収率    0.00％ \n")), std::string::npos) << u8(log());
    EXPECT_EQ(host.stored.size(), 1u);
    EXPECT_FALSE(readBytes(PayoutReportPath(betFile, terms)).empty());
    EXPECT_TRUE(notifier.events().empty());
}

TEST_F(ReconcileTest, LargeStakesArePaidIn64Bits) {
    writeLog(echo(5, 1, 1, 0, 3, 9999) + echo(5, 1, 1, 0, 3, 9999));  // 999900 yen, twice
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 9999999);
    ASSERT_TRUE(reconcile());
    // 9999999 * 999900 / 100 = 99989990001 (the 32-bit product would wrap).
    EXPECT_NE(log().find(" 99989990001\r\n"), std::string::npos) << u8(log());
    EXPECT_NE(log().find("収入 199979980002"), std::string::npos);
    EXPECT_EQ(terms.todayPayout, INT_MAX);  // the running totals saturate
}

TEST_F(ReconcileTest, DeadHeatEntriesEachPay) {
    writeLog(echo(5, 1, 1, 0, 3, 1) + echo(5, 1, 1, 0, 9, 1));
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 250);
    pays(PayoutKind::Tansho, 1, 1, 9, 0, 410);
    ASSERT_TRUE(reconcile());
    EXPECT_NE(log().find("        250\r\n"), std::string::npos);
    EXPECT_NE(log().find("        410\r\n"), std::string::npos);
    EXPECT_EQ(terms.todayPayout, 660);
}

TEST_F(ReconcileTest, AShortLineTakesItsPayoutAtTheSameColumn) {
    // A hand-written accepted line shorter than an echo: padded to 36 bytes,
    // so a second run replaces the payout instead of keeping a piece of it.
    writeLog(" 1 0 東京  1R 単勝 3 1000 受 1\n");
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 350);
    ASSERT_TRUE(reconcile());
    ASSERT_TRUE(reconcile());
    const std::string line = " 1 0 東京  1R 単勝 3 1000 受 1";  // 30 bytes
    EXPECT_EQ(log().substr(0, 49), line + std::string(6, ' ') + "       3500\r\n");
}

TEST_F(ReconcileTest, ACrashBeforeTheRenameLeavesTheOldLogWhole) {
    const std::string text = echo(5, 1, 1, 0, 3, 10) + "\n 収入          0   支出       1000   回収率    0.00％ \n";
    writeLog(text);
    const std::string before = log();
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 350);
    writePayoutFiles();
    ReadPayoutFiles(tables, terms, clientExe());

    // Everything up to the rename happens: the scratch file is complete and
    // the log is untouched.
    const std::string scratch = betDir() + "BT240615.$$$";
    ASSERT_TRUE(WriteReconciledLog(tables, terms, logPath, scratch).has_value());
    EXPECT_EQ(log(), before);
    EXPECT_NE(readBytes(scratch).find("3500"), std::string::npos);

    // The next run writes its own scratch file over the stale one.
    ASSERT_TRUE(ReconcileBetLog(context, clock));
    const std::string after = log();
    EXPECT_EQ(after.substr(0, 49), before.substr(0, 36) + "       3500\r\n");
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'), 5) << u8(after);
    plat::FileInfo info;
    EXPECT_FALSE(plat::fileStatus(scratch, info));
}

TEST_F(ReconcileTest, WithoutALogOrAScratchFileNothingChanges) {
    EXPECT_FALSE(reconcile());
    plat::FileInfo info;
    EXPECT_FALSE(plat::fileStatus(logPath, info));
    EXPECT_TRUE(host.stored.empty());

    writeLog(echo(5, 1, 1, 0, 3, 10));
    const std::string before = log();
    ASSERT_EQ(mkdir((betDir() + "BT240615.$$$").c_str(), 0777), 0);  // the scratch name is taken
    EXPECT_FALSE(reconcile());
    EXPECT_EQ(log(), before);
    EXPECT_EQ(terms.todayPurchase, 0);
    EXPECT_EQ(host.statusDrawn, 0);
}

TEST(PayoutFetchTime, PacksTimeAndSwitches) {
    const PayoutFetchTime both = UnpackPayoutFetchTime(31650);
    EXPECT_EQ(both.hour, 16);
    EXPECT_EQ(both.minute, 50);
    EXPECT_TRUE(both.autoFetch);
    EXPECT_TRUE(both.writeReport);
    const PayoutFetchTime neither = UnpackPayoutFetchTime(1650);
    EXPECT_FALSE(neither.autoFetch);
    EXPECT_FALSE(neither.writeReport);
    EXPECT_TRUE(UnpackPayoutFetchTime(21005).writeReport);
    EXPECT_FALSE(UnpackPayoutFetchTime(21005).autoFetch);
    EXPECT_EQ(PackPayoutFetchTime({10, 5, true, false}), 11005);
    EXPECT_EQ(PackPayoutFetchTime(both), 31650);
}

}  // namespace
}  // namespace clientdata

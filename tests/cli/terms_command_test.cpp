// `ornel terms` end to end: the built command on client directories written
// by the betting centre and by hand.
#include <gtest/gtest.h>

#include <filesystem>

#include "betclient/centre/centre.h"
#include "betclient/centre/generator.h"
#include "platform/clock.h"
#include "run_ornel.h"
#include "support/client_files.h"
#include "support/support.h"

using cli_test::runOrnel;
using testsupport::readBytes;
using testsupport::u8;

namespace {

class TermsCommand : public ::testing::Test {
protected:
    TermsCommand() {
        testsupport::useJapanTime();
        testsupport::writeBytes(client.file("Pat95.exe"), "");
    }
    static std::int64_t at(int hour, int minute) {
        plat::LocalTime t;
        t.year = 2024, t.month = 6, t.day = 15, t.hour = hour, t.minute = minute;
        return plat::fromLocalTime(t);
    }
    // The client path without its trailing separator, as --client-dir takes it.
    std::string clientDir() const { return client.path().substr(0, client.path().size() - 1); }
    std::string betDir() const { return bets.path().substr(0, bets.path().size() - 1); }

    testsupport::TempDir client, bets;
};

TEST_F(TermsCommand, ShowsTheCentresDayAndEchoesItsVoteLog) {
    const centre::Day day = centre::generateDay(2024, 6, 15);
    centre::Centre c(day, client.path());
    ASSERT_TRUE(c.writeTerms(930));
    const centre::Race& race12 = day.meetings[0].races[11];
    int horse = 1;
    while (horse < 18 && !race12.horseOnSale(horse)) ++horse;
    const centre::Submission s = c.submit({{day.meetings[0].venue, 12, centre::Kind::Win, horse, 0, 3}}, 1000);
    ASSERT_TRUE(s.saved);
    testsupport::setMtime(client.file("Lg-00.JRA"), at(10, 0));

    auto run = runOrnel({"terms", "--client-dir", clientDir(), "--bet-dir", betDir(), "--now", "2024-06-15 10:30"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");

    std::string expected;
    for (std::size_t slot = 0; slot < day.meetings.size(); ++slot) {
        const centre::Meeting& m = day.meetings[slot];
        expected += "slot " + std::to_string(slot) + " venue " + std::to_string(m.venue) + " kai " +
                    std::to_string(m.kai) + " nichime " + std::to_string(m.nichime) + " sales ";
        for (int r = 0; r < 14; ++r) expected += (r ? "," : "") + std::to_string(r < 12 ? m.races[r].saleCode : 0);
        expected += "\n";
    }
    expected += "current-bet-file " + bets.file("24061501.Bet") + "\n";
    expected += "next-log " + clientDir() + "/Lg-01.JRA\n";
    EXPECT_EQ(run.out.substr(run.out.find("\n\n") + 2), expected);

    char balance[64];
    std::snprintf(balance, sizeof balance, "口座残高%9d/%8d\r\n", day.account.purchaseLimit, day.account.balance);
    EXPECT_NE(run.out.find(balance), std::string::npos) << u8(run.out);
    EXPECT_NE(run.out.find("投票要項 06/15\r\n"), std::string::npos);

    const std::string log = readBytes(bets.file("BT240615.LOG"));
    EXPECT_EQ(log.rfind("\r\nLOAD LOG FILE 24/06/15 10:30:00\r\n投票可能", 0), 0u) << u8(log);
    EXPECT_NE(log.find("受付番号#0001\r\n"), std::string::npos);
    EXPECT_NE(log.find(" 1 0 "), std::string::npos);
}

// Directories named relative to where the command runs are found there.
TEST_F(TermsCommand, RelativeDirectoriesAreNamedFromWhereTheCommandRuns) {
    testsupport::TempDir work;
    std::filesystem::create_directory(work.file("client"));
    testsupport::writeBytes(work.file("client/Pat95.exe"), "");
    const centre::Day day = centre::generateDay(2024, 6, 15);
    ASSERT_TRUE(centre::Centre(day, work.file("client/")).writeTerms(930));

    const auto run = runOrnel({"terms", "--client-dir", "client", "--now", "2024-06-15 10:30"}, "", "C", work.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\nslot 0 venue " + std::to_string(day.meetings[0].venue)), std::string::npos) << u8(run.out);
    EXPECT_NE(run.out.find("\nnext-log " + work.file("client/Lg-00.JRA") + "\n"), std::string::npos) << u8(run.out);
}

TEST_F(TermsCommand, TotalsOfTheDaySurviveThroughCurrentInfoAfterFive) {
    testsupport::TermsValues values;  // 2024-06-15, 東京, limit 100000
    testsupport::writeTextFile(client.file("Uy-a.Jra"), {testsupport::termsLine(values)});
    testsupport::writeTextFile(client.file("Lg-05.JRA"),
                               {testsupport::voteLogLine(3, {testsupport::VoteEntry{}}, 10, 297, 930)}, at(11, 0));
    const std::string profile =
        "[Define]\r\nCurrent Info=2024/06/15 /      6000 /         0 /      3000 /      1200 /    100000 /"
        "    250000 /     94000 / 298 /    2\r\n";
    testsupport::writeBytes(bets.file("ORNEL.INI"), profile);

    auto run = runOrnel({"terms", "--client-dir", clientDir(), "--bet-dir", betDir(), "--ini",
                         bets.file("ORNEL.INI"), "--now", "2024-06-15 17:00"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(u8(run.err), u8("8145 投票要項ノンチェックモードで動作します。\n"));
    // 6000 + 1000 bought, nothing won; the terms file of the same day keeps
    // the totals but brings the purchase limit back as the amount available.
    EXPECT_EQ(u8(run.out), u8("投票合計     7000/   3 Bet\r\n"
                              "購入可能   100000/ 297 Bet\r\n"
                              "本節収支     1200/   10000\r\n"
                              "本日収支        0/    7000\r\n"
                              "前日収支     1200/    3000\r\n"
                              "口座残高   100000/  250000\r\n"
                              "投票要項 06/15\r\n"
                              "発走時刻 00/00\n\n"
                              "slot 0 venue 5 kai 3 nichime 4 sales 7,7,7,7,7,7,7,7,7,7,7,7,0,0\n"
                              "current-bet-file " + bets.file("24061501.Bet") + "\n"
                              "next-log " + clientDir() + "/Lg-06.JRA\n"));
    // Without terms in memory at the time, the vote is not written back;
    // closing the window stores its placement.
    const std::string written = readBytes(bets.file("ORNEL.INI"));
    EXPECT_EQ(written.substr(0, profile.size()), profile);
    EXPECT_EQ(written.substr(profile.size(), 10), "Frame Pos=");
}

// Without a bet-file directory the vote log's echo has nowhere to go: it
// must not land in the directory the command was started from.
TEST_F(TermsCommand, WithoutABetDirectoryNoBetLogIsWrittenWhereTheCommandRuns) {
    const centre::Day day = centre::generateDay(2024, 6, 15);
    centre::Centre c(day, client.path());
    ASSERT_TRUE(c.writeTerms(930));
    int horse = 1;
    while (horse < 18 && !day.meetings[0].races[11].horseOnSale(horse)) ++horse;
    ASSERT_TRUE(c.submit({{day.meetings[0].venue, 12, centre::Kind::Win, horse, 0, 3}}, 1000).saved);
    testsupport::setMtime(client.file("Lg-00.JRA"), at(10, 0));

    const auto run = runOrnel({"terms", "--client-dir", clientDir(), "--now", "2024-06-15 10:30"}, "", "C", betDir());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("current-bet-file "), std::string::npos);
    std::error_code ec;
    EXPECT_TRUE(std::filesystem::is_empty(bets.path(), ec)) << "written into the working directory";
}

TEST_F(TermsCommand, UsageErrors) {
    EXPECT_EQ(runOrnel({"terms"}).status, 2);
    auto badTime = runOrnel({"terms", "--client-dir", clientDir(), "--now", "15 June"});
    EXPECT_EQ(badTime.status, 2);
    EXPECT_EQ(badTime.err,
              "ornel terms: --now takes \"YYYY-MM-DD HH:MM\", a day and time of the calendar, not \"15 June\"; "
              "see ornel terms --help\n");
    EXPECT_EQ(runOrnel({"terms", "--client-dir"}).err,
              "ornel terms: --client-dir needs a value; see ornel terms --help\n");
    EXPECT_EQ(runOrnel({"terms", "--client-dir", clientDir(), "--frobnicate"}).status, 2);
}

}  // namespace

// The running totals: roll-over to a new terms date, counting a vote,
// "Current Info" and the caption figures.
#include <gtest/gtest.h>

#include "clientdata/current_info.h"
#include "clientdata/terms_file.h"
#include "clientdata/vote_log.h"
#include "support/support.h"

namespace clientdata {
namespace {

base::VotingTerms termsWithTotals() {
    base::VotingTerms t;
    t.termsYear = 2024, t.termsMonth = 6, t.termsDay = 15;
    t.totalsYear = 2024, t.totalsMonth = 6, t.totalsDay = 15;
    t.purchaseLimit = 100000;
    t.todayPurchase = 5000;
    t.todayPayout = 25000;
    t.prevDayPurchase = 3000;
    t.prevDayPayout = 1200;
    t.periodPurchase = 8000;
    t.periodPayout = 26200;
    t.availableAmount = 120000;
    t.betsRemaining = 280;
    t.lastReceiptNo = 12;
    return t;
}

TermsHeader header(int year, int month, int day) {
    return TermsHeader{year, month, day, 200000, 300000, 7000, 4000};
}

TEST(RollOver, NewDateStartsTheTotalsAfresh) {
    base::VotingTerms t = termsWithTotals();
    TakeTermsHeader(t, header(2024, 6, 16));
    EXPECT_EQ(t.termsDay, 16);
    EXPECT_EQ(t.totalsYear, 2024);
    EXPECT_EQ(t.totalsMonth, 6);
    EXPECT_EQ(t.totalsDay, 16);
    EXPECT_EQ(t.todayPurchase, 0);
    EXPECT_EQ(t.todayPayout, 0);
    EXPECT_EQ(t.betsRemaining, 300);
    EXPECT_EQ(t.periodPurchase, 7000);
    EXPECT_EQ(t.periodPayout, 4000);
    EXPECT_EQ(t.purchaseLimit, 200000);
    EXPECT_EQ(t.availableAmount, 200000);
    EXPECT_EQ(t.accountBalance, 300000);
    EXPECT_EQ(t.lastReceiptNo, 12);  // kept across dates
}

TEST(RollOver, SameDateKeepsTheTotals) {
    base::VotingTerms t = termsWithTotals();
    TakeTermsHeader(t, header(2024, 6, 15));
    EXPECT_EQ(t.todayPurchase, 5000);
    EXPECT_EQ(t.todayPayout, 25000);
    EXPECT_EQ(t.betsRemaining, 280);
    EXPECT_EQ(t.periodPurchase, 8000);
    EXPECT_EQ(t.availableAmount, 200000);  // the account figures are the file's
    EXPECT_EQ(t.prevDayPurchase, 7000);
}

TEST(RollOver, AnotherYearOrMonthIsANewDate) {
    base::VotingTerms t = termsWithTotals();
    TakeTermsHeader(t, header(2025, 6, 15));
    EXPECT_EQ(t.todayPurchase, 0);
    t = termsWithTotals();
    TakeTermsHeader(t, header(2024, 7, 15));
    EXPECT_EQ(t.todayPurchase, 0);
}

TEST(CountVote, HugeAvailableAmountSaturates) {
    base::VotingTerms t;
    CountVote(t, VoteLogRecord{1, 0, 0, 0, 999999999, {}});
    EXPECT_EQ(t.availableAmount, 2147483647);
}

TEST(CurrentInfo, WrittenLineAndRoundTrip) {
    base::VotingTerms t = termsWithTotals();
    t.accountBalance = 250000;
    const std::string line = SaveCurrentInfo(t);
    EXPECT_EQ(line,
              "2024/06/15 /      5000 /     25000 /      3000 /      1200 /    100000 /    250000 /    120000 / "
              "280 /   12");

    base::VotingTerms back;
    LoadCurrentInfo(back, line);
    EXPECT_EQ(back.totalsYear, 2024);
    EXPECT_EQ(back.totalsMonth, 6);
    EXPECT_EQ(back.totalsDay, 15);
    EXPECT_EQ(back.termsDay, 0);  // the date read is the totals' date, not the terms'
    EXPECT_EQ(back.todayPurchase, 5000);
    EXPECT_EQ(back.todayPayout, 25000);
    EXPECT_EQ(back.prevDayPurchase, 3000);
    EXPECT_EQ(back.prevDayPayout, 1200);
    EXPECT_EQ(back.purchaseLimit, 100000);
    EXPECT_EQ(back.accountBalance, 250000);
    EXPECT_EQ(back.availableAmount, 120000);
    EXPECT_EQ(back.betsRemaining, 280);
    EXPECT_EQ(back.lastReceiptNo, 12);
    EXPECT_EQ(back.periodPurchase, 8000);
    EXPECT_EQ(back.periodPayout, 26200);
}

TEST(CurrentInfo, FewerThanTwelveValuesReset) {
    for (const char* stored : {"", "2024/06/15 / 5000 / 25000", "garbage",
                               "2024/06/15 / 1 / 2 / 3 / 4 / 5 / 6 / 7 / 8 /"}) {
        SCOPED_TRACE(stored);
        base::VotingTerms t = termsWithTotals();
        t.accountBalance = 250000;
        LoadCurrentInfo(t, stored);
        EXPECT_EQ(t.totalsYear, 0);
        EXPECT_EQ(t.totalsDay, 0);
        EXPECT_EQ(t.todayPurchase, 0);
        EXPECT_EQ(t.todayPayout, 0);
        EXPECT_EQ(t.prevDayPurchase, 0);
        EXPECT_EQ(t.availableAmount, 0);
        EXPECT_EQ(t.betsRemaining, 0);
        EXPECT_EQ(t.lastReceiptNo, -1);
        EXPECT_EQ(t.periodPurchase, 0);
        EXPECT_EQ(t.periodPayout, t.prevDayPayout);
    }
}

TEST(Caption, FiguresFollowTheProgramName) {
    EXPECT_EQ(CaptionWithFigures("Ornel", 120000, 280, 12), "Ornel 120000 / 280 #0012");
    // Old figures are replaced; the character after the name is kept.
    EXPECT_EQ(CaptionWithFigures("Ornel 120000 / 280 #0012", 9500, 7, 13), "Ornel   9500 /   7 #0013");
    EXPECT_EQ(CaptionWithFigures("Ornel - AUTO", 100, 1, 1), "Ornel    100 /   1 #0001");
}

TEST(VoteLogNumber, FollowsTheNumberInFrontOfJra) {
    EXPECT_EQ(NextVoteLogNumber("/c/Lg-07.JRA"), 8);
    EXPECT_EQ(NextVoteLogNumber("/c/Lg-99.JRA"), 0);
    EXPECT_EQ(NextVoteLogNumber("C:\\PAT\\Lg-41.JRA"), 42);
    EXPECT_EQ(NextVoteLogNumber("/c/Lg-07.jra"), std::nullopt);       // case-sensitive
    EXPECT_EQ(NextVoteLogNumber("/data.JRA/Lg-07.JRA"), 8);           // only the file name counts
    EXPECT_EQ(NextVoteLogNumber("/data.JRA/Lg-07.jra"), std::nullopt);
}

}  // namespace
}  // namespace clientdata

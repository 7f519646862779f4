// The status box text, the amount limits asked before a run, and the Merge
// command's sort-and-merge step.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "bet_list_fixture.h"
#include "betdata/amount_limits.h"
#include "betdata/bet_status.h"
#include "betdata/sort_and_merge.h"

using namespace betdata_test;
using betdata::LimitDecision;
using std::vector;

namespace {

TEST(BetStatus, TotalsLineOnlyWhileTheListHoldsBets) {
    base::VotingTerms t;
    t.todayPurchase = 12300;
    t.betsRemaining = 290;
    t.availableAmount = 87700;
    t.periodPayout = 4500;
    t.periodPurchase = 20300;
    t.todayPayout = 1500;
    t.prevDayPayout = 3000;
    t.prevDayPurchase = 8000;
    t.purchaseLimit = 100000;
    t.accountBalance = 99999999;
    t.termsMonth = 12;
    t.termsDay = 5;
    t.raceCardDate = 1205;
    const std::string terms =
        "投票合計    12300/  10 Bet\r\n"
        "購入可能    87700/ 290 Bet\r\n"
        "本節収支     4500/   20300\r\n"
        "本日収支     1500/   12300\r\n"
        "前日収支     3000/    8000\r\n"
        "口座残高   100000/99999999\r\n"
        "投票要項 12/05\r\n"
        "発走時刻 12/05";
    EXPECT_EQ(betdata::FormatBetStatus(0, 0, t), terms);
    EXPECT_EQ(betdata::FormatBetStatus(3, 1500, t), "ベット計     1500/   3 Bet\r\n" + terms);

    base::VotingTerms empty;
    EXPECT_EQ(betdata::FormatBetStatus(0, 0, empty).substr(0, 26), "投票合計        0/ 300 Bet");
    EXPECT_NE(betdata::FormatBetStatus(0, 0, empty).find("発走時刻 00/00"), std::string::npos);
}

class Limits : public ::testing::Test {
protected:
    BetListWorld w;
    base::Settings settings;  // 5000 yen per race and per vote
    LimitDecision check(const std::string& text) {
        w.parse(text);
        return betdata::CheckAmountLimits(w.table(), settings, w.notifier);
    }
    // Beeps and boxes in order: "beep" or the box id.
    vector<std::string> shown() const {
        vector<std::string> out;
        for (const auto& e : w.notifier.events())
            out.push_back(e.isBeep ? "beep" : std::to_string(e.id));
        return out;
    }
};

TEST_F(Limits, WithinTheLimitsNothingIsAsked) {
    EXPECT_EQ(check(lines({"東京 1R 3 5000", "東京 2R 3 0"})), LimitDecision::Proceed);
    EXPECT_TRUE(w.notifier.events().empty());
}

TEST_F(Limits, OneQuestionForTheFirstRaceOverTheLimit) {
    settings.limitTime = 999900;
    EXPECT_EQ(check(lines({"東京 1R 3,4 3000", "中山 2R 3,4 3000"})), LimitDecision::Proceed);
    EXPECT_EQ(shown(), (vector<std::string>{"beep", "8139"}));
    EXPECT_EQ(w.notifier.events()[0].type, plat::MB_ICONEXCLAMATION);
    EXPECT_EQ(w.notifier.events()[1].type & plat::MB_TYPEMASK, plat::MB_YESNO);

    w.notifier.clear();
    w.notifier.answerId(base::kMsgRaceLimitExceeded, plat::IDNO);
    EXPECT_EQ(check("東京 1R 3,4 3000"), LimitDecision::Abort);
}

TEST_F(Limits, TheVoteTotalIsAskedAfterTheRaces) {
    settings.limitTime = 6000;
    EXPECT_EQ(check(lines({"東京 1R 3 4000", "東京 2R 3 4000"})), LimitDecision::Proceed);
    EXPECT_EQ(shown(), (vector<std::string>{"beep", "8140"}));

    // Both limits: both questions, and either No aborts.
    w.notifier.clear();
    w.notifier.answerId(base::kMsgVoteLimitExceeded, plat::IDNO);
    EXPECT_EQ(check(lines({"東京 1R 3 9000"})), LimitDecision::Abort);
    EXPECT_EQ(shown(), (vector<std::string>{"beep", "8139", "beep", "8140"}));
}

TEST_F(Limits, LimitsCountWholeUnits) {
    settings.limitRace = 5050;  // 50 units: 5000 yen is not above it
    settings.limitTime = 999900;
    EXPECT_EQ(check("東京 1R 3 5000"), LimitDecision::Proceed);
    EXPECT_TRUE(w.notifier.events().empty());
}

class Merge : public ::testing::Test {
protected:
    BetListWorld w;
    std::string merged(const std::string& text) {
        w.parse(text, betdata::SortAndMerge);
        return describe(w.table());
    }
};

TEST_F(Merge, SortsByVenueRaceKindAndNumbers) {
    EXPECT_EQ(merged(lines({"中山 1R 枠連 1-2", "中山 1R 馬連 1-2", "中山 1R 単勝 5", "中山 1R 複勝 9",
                            "東京 2R 単勝 3", "東京 1R 単勝 4", "東京 1R 3"})),
              "5/1/T/3-0/1 5/1/T/4-0/1 5/2/T/3-0/1 6/1/F/9-0/1 6/1/T/5-0/1 6/1/U/1-2/1 6/1/W/1-2/1");
}

TEST_F(Merge, DuplicatesMergeBelowTenThousandUnits) {
    EXPECT_EQ(w.parse(lines({"東京 11R 馬連 3-5 1000", "東京 11R 馬連 5-3 500"}), betdata::SortAndMerge),
              "001: 東京 11R 馬連 03-05     1500\r\n");
    // Runs of three collapse into one.
    EXPECT_EQ(merged(lines({"東京 1R 3 100", "東京 1R 3 200", "東京 1R 4", "東京 1R 3 300"})),
              "5/1/T/3-0/6 5/1/T/4-0/1");
    // Two bets of 600,000 yen stay apart; 9999 units merge, 10000 do not.
    EXPECT_EQ(merged(lines({"東京 1R 3 600000", "東京 1R 3 600000"})), "5/1/T/3-0/6000 5/1/T/3-0/6000");
    EXPECT_EQ(merged(lines({"東京 1R 3 999800", "東京 1R 3 100"})), "5/1/T/3-0/9999");
    EXPECT_EQ(merged(lines({"東京 1R 3 999900", "東京 1R 3 100"})), "5/1/T/3-0/9999 5/1/T/3-0/1");
    EXPECT_EQ(w.state.listCount, 2);
}

}  // namespace

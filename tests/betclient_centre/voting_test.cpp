#include <gtest/gtest.h>

#include "betclient/centre/state_text.h"
#include "betclient/centre/voting.h"
#include "centre_fixture.h"

using namespace centre;
using centre_test::smallDay;

namespace {
constexpr int kTokyo = 5, kHanshin = 9;
constexpr int kMorning = 920;

std::vector<Acceptance> statuses(const VoteRecord& rec) {
    std::vector<Acceptance> s;
    for (const auto& e : rec.entries) s.push_back(e.status);
    return s;
}
}  // namespace

TEST(Voting, StatusOfEachBetFollowsTheSaleCodes) {
    const Day day = smallDay();
    CentreState state;
    using A = Acceptance;
    const std::vector<std::pair<Bet, A>> cases = {
        {{kTokyo, 1, Kind::Win, 3, 0, 1}, A::Accepted},
        {{kTokyo, 1, Kind::Quinella, 3, 7, 2}, A::Accepted},
        {{kTokyo, 1, Kind::Quinella, 3, 3, 1}, A::Invalid},      // the same horse twice
        {{kTokyo, 1, Kind::Win, 11, 0, 1}, A::Invalid},          // beyond a field of ten
        {{kTokyo, 2, Kind::Place, 10, 0, 1}, A::Invalid},        // scratched
        {{kTokyo, 2, Kind::Bracket, 7, 7, 1}, A::Invalid},       // 同枠取消: 9 runs, 10 does not
        {{kTokyo, 2, Kind::Bracket, 7, 8, 1}, A::Accepted},      // bracket 7 still runs
        {{kTokyo, 2, Kind::Bracket, 8, 8, 1}, A::Accepted},
        {{kTokyo, 3, Kind::Quinella, 1, 2, 1}, A::Invalid},      // no 馬連 in this race
        {{kTokyo, 3, Kind::Bracket, 1, 2, 1}, A::Accepted},
        {{kTokyo, 4, Kind::Win, 1, 0, 1}, A::Invalid},           // not on sale
        {{kTokyo, 5, Kind::Bracket, 1, 2, 1}, A::Invalid},       // eight runners: no 枠連
        {{kTokyo, 13, Kind::Win, 1, 0, 1}, A::Invalid},
        {{1, 1, Kind::Win, 1, 0, 1}, A::Invalid},                // 札幌 holds no meeting
        {{kTokyo, 5, Kind::Win, 1, 0, 0}, A::Invalid},           // no amount
        {{kTokyo, 5, Kind::Win, 1, 0, kMaxUnitsPerBet + 1}, A::Invalid},
    };
    for (const auto& [bet, expected] : cases)
        EXPECT_EQ(checkBet(day, bet, kMorning), expected)
            << bet.race << "R kind " << static_cast<int>(bet.kind) << " " << bet.first << "-" << bet.second;

    // Sales close two minutes before the start.
    const Bet r2{kTokyo, 2, Kind::Win, 1, 0, 1};
    EXPECT_EQ(checkBet(day, r2, 1027), A::Accepted);
    EXPECT_EQ(checkBet(day, r2, 1028), A::Closed);
    EXPECT_EQ(checkBet(day, r2, 1500), A::Closed);
}

TEST(Voting, RecordsReceiptsRemainingBetsAndTheAvailableAmount) {
    const Day day = smallDay();  // purchase limit 10000 yen
    CentreState state;
    auto first = vote(day, state,
                      {{kTokyo, 2, Kind::Win, 1, 0, 10},
                       {kTokyo, 2, Kind::Win, 10, 0, 5},       // scratched
                       {kTokyo, 1, Kind::Win, 3, 0, 5},        // closed at 10:05
                       {kHanshin, 2, Kind::Quinella, 1, 2, 3}},  // no race 2 at 阪神
                      1005);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->receiptNo, 1);
    EXPECT_EQ(first->logNumber, 0);
    EXPECT_EQ(first->time, 1005);
    EXPECT_EQ(statuses(*first), (std::vector<Acceptance>{Acceptance::Accepted, Acceptance::Invalid,
                                                         Acceptance::Closed, Acceptance::Invalid}));
    EXPECT_EQ(first->purchaseUnits, 10);
    EXPECT_EQ(first->betsRemaining, kBetsPerDay - 1);
    EXPECT_EQ(first->availableUnits, 90);

    // More than is left: the bet that does not fit is 未, the smaller one after it is taken.
    auto second = vote(day, state,
                       {{kTokyo, 2, Kind::Quinella, 1, 2, 50},
                        {kTokyo, 2, Kind::Quinella, 1, 3, 41},
                        {kTokyo, 3, Kind::Bracket, 8, 8, 40}},
                       1010);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->receiptNo, 2);
    EXPECT_EQ(second->logNumber, 1);
    EXPECT_EQ(statuses(*second), (std::vector<Acceptance>{Acceptance::Accepted, Acceptance::NotAccepted,
                                                          Acceptance::Accepted}));
    EXPECT_EQ(second->purchaseUnits, 90);
    EXPECT_EQ(second->availableUnits, 0);
    EXPECT_EQ(second->betsRemaining, kBetsPerDay - 3);

    // The ledger holds exactly the accepted bets, with their receipt and line.
    EXPECT_EQ(state.ledger, (std::vector<LedgerEntry>{
                                {1, 1, {kTokyo, 2, Kind::Win, 1, 0, 10}},
                                {2, 1, {kTokyo, 2, Kind::Quinella, 1, 2, 50}},
                                {2, 3, {kTokyo, 3, Kind::Bracket, 8, 8, 40}},
                            }));
    EXPECT_EQ(purchasedYen(state), 10000);
}

TEST(Voting, PayoutsOfFinishedRacesAreCredited) {
    const Day day = smallDay();
    CentreState state;
    // 阪神 1R (start 10:10) ends in a dead heat of 1 and 2; 単勝 1 pays 220.
    ASSERT_TRUE(vote(day, state,
                     {{kHanshin, 1, Kind::Win, 1, 0, 10},
                      {kHanshin, 1, Kind::Quinella, 2, 1, 2},  // pays as 1-2: 900
                      {kHanshin, 1, Kind::Win, 5, 0, 3}},
                     1000));
    EXPECT_EQ(availableYen(day, state, 1019), 10000 - 1500);  // not out yet
    EXPECT_EQ(creditedYen(day, state, 1020), 220 * 10 + 900 * 2);
    auto later = vote(day, state, {{kTokyo, 2, Kind::Place, 1, 0, 1}}, 1020);
    ASSERT_TRUE(later);
    EXPECT_EQ(later->availableUnits, (10000 - 1500 + 4000 - 100) / 100);
}

TEST(Voting, LimitsOfTheDayAndOfAVote) {
    Day day = smallDay();
    day.account.purchaseLimit = 999999;
    CentreState state;
    EXPECT_FALSE(vote(day, state, {}, kMorning));
    EXPECT_FALSE(vote(day, state, std::vector<Bet>(kMaxEntriesPerVote + 1, {kTokyo, 2, Kind::Win, 1, 0, 1}), kMorning));
    EXPECT_EQ(state.lastReceiptNo, 0);  // refused groups take no receipt

    // 300 bets a day: six votes of fifty, then the next bet is 未.
    for (int v = 0; v < kBetsPerDay / kMaxEntriesPerVote; ++v)
        ASSERT_TRUE(vote(day, state, std::vector<Bet>(kMaxEntriesPerVote, {kTokyo, 2, Kind::Win, 1, 0, 1}), kMorning));
    auto over = vote(day, state, {{kTokyo, 2, Kind::Win, 1, 0, 1}}, kMorning);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->entries[0].status, Acceptance::NotAccepted);
    EXPECT_EQ(over->betsRemaining, 0);
    EXPECT_EQ(state.ledger.size(), static_cast<std::size_t>(kBetsPerDay));
}

TEST(CentreStateText, CarriesTheDayAcrossARestart) {
    const Day day = smallDay();
    CentreState state;
    state.nextLogNumber = 99;
    vote(day, state, {{kTokyo, 2, Kind::Win, 1, 0, 10}, {kTokyo, 3, Kind::Bracket, 2, 8, 7}}, kMorning);
    EXPECT_EQ(state.nextLogNumber, 0);  // 99 wraps to 00

    CentreState back;
    std::string error;
    ASSERT_TRUE(parseStateText(formatStateText(state), back, error)) << error;
    EXPECT_EQ(back, state);
    auto next = vote(day, back, {{kTokyo, 2, Kind::Win, 2, 0, 1}}, kMorning);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->receiptNo, 2);
    EXPECT_EQ(next->availableUnits, 100 - 17 - 1);

    // On another day the receipts and the ledger start afresh; the vote-log
    // numbers run on.
    Day tomorrow = day;
    tomorrow.day = 6;
    beginDay(back, tomorrow);
    EXPECT_EQ(back.lastReceiptNo, 0);
    EXPECT_TRUE(back.ledger.empty());
    EXPECT_EQ(back.nextLogNumber, 1);

    // What cannot be read is named by its line.
    EXPECT_FALSE(parseStateText("receipt 3\n", back, error));
    EXPECT_EQ(error, "no date line");
    EXPECT_FALSE(parseStateText("date 1998-12-05\n# kind 9:\nbet 1 1 5 2 9 1 0 10\n", back, error));
    EXPECT_EQ(error, "line 3: bad \"bet\" record");
    EXPECT_FALSE(parseStateText("date 1998-12-05\nnext-log 100\n", back, error));
    EXPECT_EQ(error, "line 2: bad \"next-log\" record");
    EXPECT_FALSE(parseStateText(formatStateText(state) + "stray line\n", back, error));
    EXPECT_EQ(error, "line 7: not a state record");
    EXPECT_FALSE(parseStateText("date 1998-12-05\ndate 1998-12-06\n", back, error));
    EXPECT_EQ(error, "line 2: bad \"date\" record");
}

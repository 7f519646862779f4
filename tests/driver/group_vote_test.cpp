// Which bets of a group a vote's log says the centre took: each entered
// bet takes one entry of its venue, race, kind, numbers and amount.
#include <gtest/gtest.h>

#include <cstring>

#include "driver/group_vote.h"

namespace {

driver::GroupBet bet(int line, const char* venue, int race, char kind, int first, int second, int yen,
                     bool entered = true) {
    driver::GroupBet g;
    g.line = line;
    std::strncpy(g.bet.venue, venue, sizeof g.bet.venue - 1);
    g.bet.race = race;
    g.bet.kind = kind;
    g.bet.first = first;
    g.bet.second = second;
    g.bet.amountYen = yen;
    g.entered = entered;
    return g;
}

// A single's number is the log's second number; pairs come smaller first.
clientdata::VoteLogEntry entry(int venue, int race, int kind, int first, int second, int units, int status) {
    clientdata::VoteLogEntry e;
    e.venueCode = venue;
    e.race = race;
    e.kind = kind;
    e.first = first;
    e.second = second;
    e.amountUnits = units;
    e.status = status;
    return e;
}

TEST(MatchVote, EachEnteredBetTakesOneEntryWithItsStatus) {
    const std::vector<driver::GroupBet> group = {
        bet(0, "東京", 1, 'T', 5, 0, 100),          // accepted
        bet(1, "東京", 1, 'T', 5, 0, 100),          // the same bet again: its own entry, refused
        bet(2, "阪神", 3, 'U', 2, 7, 1000),         // 〆
        bet(3, "東京", 4, 'W', 3, 3, 500, false),   // left out by the terms: as placed
        bet(4, "東京", 9, 'F', 8, 0, 200),          // not in the vote
    };
    clientdata::VoteLogRecord record;
    record.entries = {entry(5, 1, 1, 0, 5, 1, 0), entry(5, 1, 1, 0, 5, 1, 1), entry(9, 3, 4, 2, 7, 10, 3)};
    const auto outcomes = driver::MatchVote(group, {record});
    ASSERT_EQ(outcomes.size(), 5u);
    EXPECT_EQ(outcomes[0].fate, driver::BetFate::Placed);
    EXPECT_EQ(outcomes[1].fate, driver::BetFate::Refused);
    EXPECT_EQ(outcomes[1].status, 1);
    EXPECT_EQ(outcomes[2].fate, driver::BetFate::Refused);
    EXPECT_EQ(outcomes[2].status, 3);
    EXPECT_EQ(outcomes[3].fate, driver::BetFate::Placed);
    EXPECT_EQ(outcomes[4].fate, driver::BetFate::Missing);
}

// The first number belongs to the pair kinds only: whatever a single's
// entry holds there, its number is the second one.
TEST(MatchVote, ASinglesEntryIsKnownByItsSecondNumberAlone) {
    const std::vector<driver::GroupBet> group = {bet(0, "東京", 1, 'T', 5, 0, 100), bet(1, "東京", 2, 'F', 12, 0, 300)};
    clientdata::VoteLogRecord record;
    record.entries = {entry(5, 1, 1, 3, 5, 1, 0), entry(5, 2, 2, 12, 12, 3, 0)};
    const auto outcomes = driver::MatchVote(group, {record});
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].fate, driver::BetFate::Placed);
    EXPECT_EQ(outcomes[1].fate, driver::BetFate::Placed);
}

TEST(MatchVote, WithoutAVoteLogEveryBetCountsAsPlaced) {
    const auto outcomes = driver::MatchVote({bet(0, "東京", 1, 'T', 5, 0, 100)}, {});
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].fate, driver::BetFate::Placed);
}

}  // namespace

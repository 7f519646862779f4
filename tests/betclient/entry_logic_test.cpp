// What the vote form makes of clicks: numbers, amounts and the bets that
// "Ｏ　Ｋ" adds.
#include <gtest/gtest.h>

#include "betclient/vote_entry.h"
#include "betclient_centre/centre_fixture.h"

namespace {

using namespace betclient;
using centre::Bet;
using centre::Kind;

VoteEntry entryOn(int venue, int race, Kind kind) {
    VoteEntry e;
    e.venue = venue;
    e.race = race;
    chooseKind(e, kind);
    return e;
}

TEST(VoteEntry, ClicksChooseNumbersAsTheKindAllows) {
    VoteEntry win = entryOn(5, 1, Kind::Win);
    clickCell(win, 3);
    clickCell(win, 5);
    EXPECT_EQ(win.numbers, std::vector<int>{5}) << "one number, the last clicked";
    clickCell(win, 5);
    EXPECT_TRUE(win.numbers.empty()) << "a second click takes it back";

    VoteEntry quinella = entryOn(5, 1, Kind::Quinella);
    EXPECT_EQ(quinella.wheel, false) << "a pair starts on 通常";
    for (int n : {7, 3, 9}) clickCell(quinella, n);
    EXPECT_EQ(quinella.numbers, (std::vector<int>{7, 9})) << "a third replaces the second";
    chooseMethod(quinella, true);
    EXPECT_TRUE(quinella.numbers.empty());
    clickCell(quinella, 4);
    clickCell(quinella, 6);
    EXPECT_EQ(quinella.numbers, std::vector<int>{6}) << "総流し takes one axis";

    VoteEntry bracket = entryOn(5, 1, Kind::Bracket);
    clickCell(bracket, kSameBracketCell);
    EXPECT_TRUE(bracket.numbers.empty()) << "same bracket needs a bracket first";
    clickCell(bracket, 4);
    clickCell(bracket, kSameBracketCell);
    EXPECT_EQ(bracket.numbers, (std::vector<int>{4, 4}));
    chooseKind(bracket, Kind::Win);
    EXPECT_TRUE(bracket.numbers.empty());
    EXPECT_FALSE(bracket.wheel.has_value());
}

TEST(VoteEntry, KeypadBuildsAtMostFourDigits) {
    VoteEntry e;
    for (int d : {1, 0, 0, 0, 5}) pressDigit(e, d);
    EXPECT_EQ(e.units, 1000);
    clearAmount(e);
    pressDigit(e, 0);
    pressDigit(e, 7);
    EXPECT_EQ(e.units, 7);
}

TEST(VoteEntry, CellsOpenOnlyForWhatTheRaceSells) {
    const centre::Day day = centre_test::smallDay();
    const centre::Race* second = day.race(5, 2);  // horse 10 scratched: bracket 7 = 9 and 10
    VoteEntry horses = entryOn(5, 2, Kind::Win);
    EXPECT_TRUE(cellOpen(horses, second, 9));
    EXPECT_FALSE(cellOpen(horses, second, 10)) << "scratched";
    EXPECT_FALSE(cellOpen(horses, second, 13)) << "no such horse";
    EXPECT_FALSE(cellOpen(horses, day.race(5, 4), 1)) << "race not on sale";

    VoteEntry brackets = entryOn(5, 2, Kind::Bracket);
    EXPECT_TRUE(cellOpen(brackets, second, 7)) << "one of its horses still runs";
    EXPECT_FALSE(cellOpen(brackets, second, kSameBracketCell));
    clickCell(brackets, 7);
    EXPECT_TRUE(cellOpen(brackets, second, kSameBracketCell)) << "7-7 shown, though cancelled";
    EXPECT_TRUE(sameBracketCancelled(second, 7));
    EXPECT_FALSE(sameBracketCancelled(second, 8));
    EXPECT_FALSE(cellOpen(entryOn(5, 5, Kind::Bracket), day.race(5, 5), 1)) << "no 枠連 in a field of eight";
}

TEST(VoteEntry, ChecksAndTheBetsOfAnEntry) {
    const centre::Day day = centre_test::smallDay();
    VoteEntry e;
    e.venue = 5;
    e.race = 1;
    EXPECT_EQ(checkEntry(e, day), EntryProblem::NoKind);
    chooseKind(e, Kind::Quinella);
    EXPECT_EQ(checkEntry(e, day), EntryProblem::PairNumbers);
    clickCell(e, 8);
    clickCell(e, 2);
    EXPECT_EQ(checkEntry(e, day), EntryProblem::Amount);
    pressDigit(e, 3);
    EXPECT_EQ(checkEntry(e, day), EntryProblem::None);
    EXPECT_EQ(expandEntry(e, day), (std::vector<Bet>{{5, 1, Kind::Quinella, 2, 8, 3}})) << "smaller number first";
    e.dayIndex = 1;
    EXPECT_EQ(checkEntry(e, day), EntryProblem::PreviousDay);
    EXPECT_TRUE(expandEntry(e, day).empty());

    // 総流し on horse 3 of a ten-horse field: nine bets.
    VoteEntry wheel = entryOn(5, 1, Kind::Quinella);
    chooseMethod(wheel, true);
    EXPECT_EQ(checkEntry(wheel, day), EntryProblem::PairWheel);
    clickCell(wheel, 3);
    pressDigit(wheel, 1);
    const auto bets = expandEntry(wheel, day);
    ASSERT_EQ(bets.size(), 9u);
    EXPECT_EQ(bets.front(), (Bet{5, 1, Kind::Quinella, 1, 3, 1}));
    EXPECT_EQ(bets.back(), (Bet{5, 1, Kind::Quinella, 3, 10, 1}));

    // 枠連 総流し in 東京 2R from bracket 7: every other bracket, not the cancelled 7-7.
    VoteEntry brackets = entryOn(5, 2, Kind::Bracket);
    chooseMethod(brackets, true);
    clickCell(brackets, 7);
    pressDigit(brackets, 1);
    const auto pairs = expandEntry(brackets, day);
    EXPECT_EQ(pairs.size(), 7u);
    for (const Bet& b : pairs) EXPECT_NE(b.first, b.second);

    VoteEntry single = entryOn(9, 1, Kind::Place);
    EXPECT_EQ(checkEntry(single, day), EntryProblem::SingleNumber);
    VoteEntry closed = entryOn(5, 4, Kind::Win);
    EXPECT_EQ(checkEntry(closed, day), EntryProblem::NoRace);
}

}  // namespace

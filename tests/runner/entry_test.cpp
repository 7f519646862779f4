// How single bets are entered on the vote form: which bets are left out,
// what is pressed for the numbers and the amount, and that the centre takes
// exactly the bet of the line.
#include <algorithm>
#include <set>

#include "runner_fixture.h"

namespace runnertest {
namespace {

using EntryTest = RunnerTest;

std::vector<std::string> keypadPresses(const std::vector<std::string>& pressed) {
    static const std::set<std::string> keypad = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９", "Ｃ"};
    std::vector<std::string> keys;
    std::copy_if(pressed.begin(), pressed.end(), std::back_inserter(keys),
                 [](const std::string& caption) { return keypad.count(caption) > 0; });
    return keys;
}

TEST_F(EntryTest, TheKeypadIsPressedOnlyForANewAmountAndClearedOnlyAfterTheReset) {
    install();
    const std::string bets = canonical({{"東京", 1, "単勝", {1}, 1000},
                                        {"東京", 1, "単勝", {2}, 1000},
                                        {"東京", 1, "単勝", {3}, 500},
                                        {"東京", 1, "単勝", {4}, 1000}});
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(keypadPresses(pressed()), (std::vector<std::string>{"Ｃ", "１", "０",  // the first bet, after the reset
                                                                   "５",               // 500 after 1000
                                                                   "１", "０"}))       // 1000 after 500
        << "1000 after 1000 presses nothing";
    EXPECT_EQ(ledgerText(), bets) << "each bet with its own amount";
}

TEST_F(EntryTest, RacesNineAndTwelveAndEveryKindArePlacedAsWritten) {
    install();
    const std::string bets = canonical({{"東京", 9, "馬連", {1, 18}, 200},
                                        {"東京", 12, "枠連", {2, 7}, 300},
                                        {"阪神", 12, "複勝", {10}, 100},
                                        {"阪神", 9, "単勝", {9}, 1200},
                                        {"阪神", 9, "枠連", {3, 3}, 400}});
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_EQ(ledgerText(), bets) << "3-3 is bracket 3, then the grid's same-bracket cell";
    EXPECT_EQ(pressesOf(pressed(), "通常投票"), 1);
}

TEST_F(EntryTest, BetsTheTermsDoNotSellAreLeftOutAndTheRestIsPlaced) {
    install();
    setList(canonical({{"東京", 2, "馬連", {5, 5}, 1000},   // the same horse twice
                       {"中山", 1, "単勝", {1}, 100},       // no meeting at 中山
                       {"東京", 11, "単勝", {6}, 100},      // scratched
                       {"東京", 11, "単勝", {17}, 100},     // a sixteen-horse race
                       {"東京", 3, "複勝", {4}, 300}}));
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_EQ(ledgerText(), canonical({{"東京", 3, "複勝", {4}, 300}}));
}

TEST_F(EntryTest, AListTheTermsRejectWhollyEntersAndSubmitsNothing) {
    install();
    setList(canonical({{"東京", 2, "馬連", {5, 5}, 1000}, {"中山", 1, "単勝", {1}, 100}}));
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), "");
    EXPECT_EQ(pressesOf(pressed(), "投  票"), 0) << "a group with nothing entered is not submitted";
    EXPECT_EQ(pressesOf(pressed(), "Ｏ　Ｋ"), 0);
}

TEST_F(EntryTest, ACancelledSameBracketPairMakesTheGroupAForcedVote) {
    install();
    // 東京 11R: horse 6 is scratched, so bracket 3 cannot pair with itself;
    // the client says so when bracket 3 is clicked.
    const std::string bets = canonical({{"東京", 11, "枠連", {3, 4}, 500}, {"東京", 1, "単勝", {2}, 100}});
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets);
    const auto presses = pressed();
    EXPECT_EQ(pressesOf(presses, "OK"), 2) << "the 同枠取消 box and the vote's box answered";
    EXPECT_EQ(pressesOf(presses, "強制投票"), 1);
    EXPECT_EQ(pressesOf(presses, "通常投票"), 0);
}

}  // namespace
}  // namespace runnertest

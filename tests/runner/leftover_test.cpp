// Several runs on one running client: bets entered in the client by a run
// that was stopped or failed are never sent with a later run's group, so
// every bet is placed once whatever the runs before left behind.
#include <algorithm>

#include "base/strings.h"
#include "driver/driver_settings.h"
#include "platform/window.h"
#include "runner_fixture.h"

namespace runnertest {
namespace {

// The first group holds a 枠連 whose bracket 3 announces 同枠取消 (東京 11R,
// horse 6 scratched), which forces the group's vote even with the default
// settings.
const std::vector<Row> kWithSameBracket = {{"東京", 1, "単勝", {1}, 100},
                                           {"東京", 11, "枠連", {3, 4}, 1000},
                                           {"東京", 2, "複勝", {2}, 200}};
const std::vector<Row> kPlain = {{"東京", 1, "単勝", {1}, 100},
                                 {"東京", 3, "馬連", {3, 4}, 1000},
                                 {"東京", 2, "複勝", {2}, 200}};

// A run stopped after its first bet was entered leaves that bet in the
// client; the next run's first group is then forced, by "Force Touhyo" or
// by the 同枠取消 in it.
class ForcedAfterStopTest : public RunnerTest, public ::testing::WithParamInterface<bool> {};

INSTANTIATE_TEST_SUITE_P(How, ForcedAfterStopTest, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "SameBracketPair" : "ForceTouhyo"); });

TEST_P(ForcedAfterStopTest, TheBetsOfTheStoppedRunAreNotSentAgain) {
    const bool sameBracket = GetParam();
    install();
    settings.betDivideUnit = 2;
    const std::string bets = canonical(sameBracket ? kWithSameBracket : kPlain);
    setList(bets);
    stopAfterLines = 1;
    ASSERT_TRUE(runBets());
    ASSERT_EQ(runState.load(), base::kRunFailed);
    ASSERT_EQ(ledgerText(), "");
    ASSERT_EQ(listText(), bets);

    settings.forceTouhyo = sameBracket ? 0 : 1;
    const std::size_t from = desktop.trace().size();
    ASSERT_TRUE(runAgain());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets) << "each bet once";
    EXPECT_EQ(pressesOf(pressed(from), "強制投票"), sameBracket ? 1 : 2);
    EXPECT_EQ(listText(), "");
}

TEST_F(RunnerTest, AfterAFailureInAGroupTheNextNormalRunPlacesEverythingOnce) {
    install();
    settings.betDivideUnit = 2;
    const std::string bets = canonical(kPlain);
    setList(bets);
    // The first vote's transfer fails: both bets stay entered in the client.
    setFaults({"transfer-error"});
    ASSERT_TRUE(runBets());
    ASSERT_EQ(runState.load(), base::kRunFailed);
    ASSERT_EQ(messages(), std::vector<int>{base::kMsgClientFailed});
    answerClientBoxes();

    notifier.clear();
    ASSERT_TRUE(runAgain());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty()) << "no total mismatch";
    EXPECT_EQ(ledgerText(), bets);
    // A third run has nothing left over either.
    setList(canonical({{"阪神", 5, "単勝", {5}, 500}}));
    ASSERT_TRUE(runAgain());
    EXPECT_EQ(runState.load(), base::kRunFinished) << ::testing::PrintToString(messages()) << testsupport::u8(listText());
    EXPECT_EQ(ledgerText(), bets + canonical({{"阪神", 5, "単勝", {5}, 500}}).replace(0, 3, "004"));
}

TEST_F(RunnerTest, AStoppedRunLeavesTheClientWithNothingEntered) {
    install();
    settings.betDivideUnit = 2;
    setList(canonical(kPlain));
    stopAfterLines = 3;
    ASSERT_TRUE(runBets());
    ASSERT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(ledgerText(), canonical({kPlain[0], kPlain[1]}));
    // The client was closed: nothing entered is left in it.
    EXPECT_EQ(plat::findWindow("ThunderRTMain", nullptr), 0u);
    EXPECT_EQ(listText(), canonical(kPlain).substr(canonical({kPlain[0], kPlain[1]}).size()));
}

// When the client cannot be closed (its menu takes no command), the bets a
// stopped run left entered cannot be cleared: the next run enters nothing
// and tells the user to clear the vote form.
TEST_F(RunnerTest, WhenTheEntriesCannotBeClearedTheNextRunEntersNothingAndSaysSo) {
    install({"disabled=menu"});
    settings.betDivideUnit = 2;
    const std::string bets = canonical(kPlain);
    setList(bets);
    stopAfterLines = 1;
    ASSERT_TRUE(runBets());
    ASSERT_EQ(runState.load(), base::kRunFailed);
    const std::size_t from = desktop.trace().size();
    ASSERT_TRUE(runAgain());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    ASSERT_EQ(notifier.events().size(), 1u);
    EXPECT_NE(notifier.events()[0].text.find("投票画面のベットを取り消して"), std::string::npos);
    EXPECT_EQ(pressesOf(pressed(from), "Ｏ　Ｋ"), 0) << "nothing entered beside the leftover";
    EXPECT_EQ(ledgerText(), "");
    EXPECT_EQ(listText(), bets);
}

// The settings are read once, when the run starts: a dialog confirmed while
// the run goes on changes nothing of it.
TEST_F(RunnerTest, SettingsChangedDuringTheRunAreNotSeenByIt) {
    install();
    settings.betDivideUnit = 2;
    const std::string bets = canonical(kPlain);
    setList(bets);
    startBets();
    ASSERT_TRUE(desktop.runUntil([&] { return linesRead == 1; }, 3'600'000));
    settings.forceTouhyo = 1;
    settings.betDivideUnit = 1;
    settings.pat95Dir.clear();
    settings.userId.clear();
    driver::LoadDriverSettings(settings, state);
    ASSERT_TRUE(runEnded());
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets);
    const auto presses = pressed();
    EXPECT_EQ(pressesOf(presses, "通常投票"), 2) << "two groups of two, each a normal vote";
    EXPECT_EQ(pressesOf(presses, "強制投票"), 0);
}

// Lines the run cannot read back (free text that was never parsed) are not
// placed, and not cleared as if they had been.
TEST_F(RunnerTest, LinesThatCannotBeReadBackStayAndTheRunIsNoSuccess) {
    install();
    const std::string typed = "中山 12R 単勝 1 100\r\n";
    const std::string placed = canonical({{"東京", 2, "単勝", {2}, 200}});
    setList(placed + typed);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), base::kRunFailed);
    EXPECT_EQ(ledgerText(), placed);
    EXPECT_EQ(listText(), typed);
}

}  // namespace
}  // namespace runnertest

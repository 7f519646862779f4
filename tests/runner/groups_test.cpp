// Groups of bets entered and submitted against the replacement client: the
// centre's ledger holds every bet of the list once, group by group.
#include "betclient/centre/centre.h"
#include "runner_fixture.h"

namespace runnertest {
namespace {

using GroupTest = RunnerTest;

TEST_F(GroupTest, ThreeLinesInGroupsOfTwoGoAsTwoVotes) {
    install();
    settings.betDivideUnit = 2;
    const std::string bets = canonical({{"東京", 1, "馬連", {3, 5}, 1000},
                                        {"阪神", 2, "単勝", {7}, 500},
                                        {"東京", 4, "複勝", {12}, 300}});
    setList(bets);
    ASSERT_TRUE(runBets());
    EXPECT_EQ(runState.load(), driver::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets);
    std::string dayError;
    const auto ledger = centre::Centre::open(client.path(), 1998, 12, 5, dayError).ledger();
    ASSERT_EQ(ledger.size(), 3u);
    EXPECT_EQ(ledger[0].receiptNo, 1);
    EXPECT_EQ(ledger[1].receiptNo, 1);
    EXPECT_EQ(ledger[2].receiptNo, 2) << "the third bet went as a second vote";
    EXPECT_EQ(listText(), bets) << "a finished run leaves the list to FinishRun";
    EXPECT_EQ(list.listCount.load(), 1);
    EXPECT_EQ(list.listTotal.load(), 300) << "count and total of the last group";
}

}  // namespace
}  // namespace runnertest

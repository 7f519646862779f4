// Groups of bets entered and submitted against the replacement client: the
// centre's ledger holds every bet of the list once, group by group.
#include <algorithm>

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
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(ledgerText(), bets);
    std::string dayError;
    const auto ledger = centre::Centre::open(client.path(), 1998, 12, 5, dayError).value().ledger();
    ASSERT_EQ(ledger.size(), 3u);
    EXPECT_EQ(ledger[0].receiptNo, 1);
    EXPECT_EQ(ledger[1].receiptNo, 1);
    EXPECT_EQ(ledger[2].receiptNo, 2) << "the third bet went as a second vote";
    EXPECT_EQ(listText(), "") << "every line placed is taken out of the list";
    EXPECT_EQ(list.listCount.load(), 1);
    EXPECT_EQ(list.listTotal.load(), 300) << "count and total of the last group";
}

// 300 bets (a full bet table): both racecourses, every race and kind, and
// amounts from 100 to 1000 yen.
std::vector<Row> threeHundredBets() {
    std::vector<Row> rows;
    const char* kinds[] = {"単勝", "複勝", "馬連", "枠連"};
    for (int k = 0; k < 300; ++k) {
        const char* kind = kinds[(k / 5) % 4];
        const int first = k % 8 + 1;
        std::vector<int> numbers = {first};
        if (std::string(kind) == "馬連") numbers.push_back(first + 1 + k % 9);
        if (std::string(kind) == "枠連") numbers.push_back(std::min(8, first + k % 2));  // 8-8 and n-n too
        const int race = (k / 12) % 12 + 1;
        // 東京 11R has a scratched horse: its bets go to 阪神.
        const bool tokyo = k < 150 && race != 11;
        rows.push_back({tokyo ? "東京" : "阪神", race, kind, numbers, 100 * (k % 10 + 1)});
    }
    return rows;
}

TEST_F(GroupTest, ThreeHundredBetsInGroupsOfFiftyArePlacedCompletely) {
    install();
    settings.betDivideUnit = 50;
    const std::string bets = canonical(threeHundredBets());
    setList(bets);
    const std::int64_t start = desktop.virtualMs();
    ASSERT_TRUE(runBets());
    RecordProperty("virtual-ms", std::to_string(desktop.virtualMs() - start));
    EXPECT_EQ(runState.load(), base::kRunFinished);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(firstDifference(ledgerText(), bets), "") << "the ledger is the list";
    std::string dayError;
    const auto ledger = centre::Centre::open(client.path(), 1998, 12, 5, dayError).value().ledger();
    ASSERT_EQ(ledger.size(), 300u);
    EXPECT_EQ(ledger.back().receiptNo, 6) << "six votes of fifty";
}

}  // namespace
}  // namespace runnertest

// The campaign's own pieces: the rules checked after each run catch a lost,
// a doubled and a falsely finished bet; a session's plan follows from its
// seed alone; random lists hold only bets the day's terms sell.
#include <gtest/gtest.h>

#include <set>

#include "base/bet_kind.h"
#include "base/venue.h"
#include "betclient/centre/generator.h"
#include "frontends/campaign/campaign_check.h"
#include "frontends/campaign/campaign_plan.h"
#include "support/support.h"

namespace {

using campaign::CheckRun;
using campaign::RunOutcome;

const std::string kA = "001: 東京  1R 単勝    01      100\r\n";
const std::string kB = "002: 東京  2R 馬連 03-05     1000\r\n";
const std::string kC = "003: 阪神 12R 枠連 08-08      200\r\n";

TEST(CampaignCheck, TheListGivenIsWhatWasPlacedAndWhatWasLeftNumbersAside) {
    RunOutcome ok{-1, kA + kB + kC, "001: 東京  2R 馬連 03-05     1000\r\n", "001: 東京  1R 単勝    01      100\r\n" +
                                                                              std::string("002: 阪神 12R 枠連 08-08      200\r\n")};
    EXPECT_TRUE(CheckRun(ok).empty());
    RunOutcome all{1, kA + kB, kA + kB, ""};
    EXPECT_TRUE(CheckRun(all).empty());
    RunOutcome none{0, kA, "", kA};
    EXPECT_TRUE(CheckRun(none).empty()) << "no run: nothing placed, the list as it was";
}

TEST(CampaignCheck, LostDoubledAndFalselyFinishedBetsAreCaught) {
    const auto lost = CheckRun({-1, kA + kB, kA, ""});
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].rfind("lost: ", 0), 0u) << testsupport::u8(lost[0]);
    EXPECT_NE(lost[0].find("2R 馬連 03-05"), std::string::npos);

    const auto doubled = CheckRun({1, kA + kB, kA + kA + kB, ""});
    ASSERT_EQ(doubled.size(), 1u);
    EXPECT_EQ(doubled[0].rfind("placed or left beyond the list: ", 0), 0u);

    const auto placedAndLeft = CheckRun({-1, kA, kA, kA});
    ASSERT_EQ(placedAndLeft.size(), 1u) << "placed and also still in the list: it would be placed again";

    const auto finished = CheckRun({1, kA + kB, kA, kB});
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].rfind("result 1 with bets left", 0), 0u);

    EXPECT_EQ(CheckRun({0, kA, kA, ""}).size(), 1u) << "placed without a run";
}

TEST(CampaignPlan, ASessionFollowsFromItsSeed) {
    testsupport::useJapanTime();
    const campaign::SessionPlan a = campaign::PlanSession(42), b = campaign::PlanSession(42);
    const campaign::SessionPlan c = campaign::PlanSession(43);
    ASSERT_EQ(a.runs.size(), b.runs.size());
    EXPECT_EQ(a.startTime, b.startTime);
    for (std::size_t i = 0; i < a.runs.size(); ++i) {
        EXPECT_EQ(a.runs[i].list, b.runs[i].list);
        EXPECT_EQ(a.runs[i].stopAfterLines, b.runs[i].stopAfterLines);
    }
    EXPECT_GE(a.runs.size(), 2u);
    EXPECT_LE(a.runs.size(), 5u);
    EXPECT_FALSE(a.runs[0].retryLeftover) << "the first run has a list of its own";
    EXPECT_TRUE(a.startTime != c.startTime || a.runs.size() != c.runs.size() || a.runs[0].list != c.runs[0].list);
    EXPECT_NE(campaign::SessionSeed(1, 0), campaign::SessionSeed(1, 1));
    EXPECT_NE(campaign::SessionSeed(1, 0), campaign::SessionSeed(2, 0));
}

TEST(CampaignPlan, RandomListsHoldOnlyBetsTheDaySells) {
    const centre::Day day = centre::generateDay(2025, 3, 8, 7);
    const std::string list = campaign::RandomList(day, 99, campaign::kMaxListBets);
    const std::vector<std::string> bets = campaign::BetsOf(list);
    EXPECT_EQ(bets.size(), static_cast<std::size_t>(campaign::kMaxListBets));
    std::set<std::string> kinds;
    for (const std::string& bet : bets) {
        char venue[8] = {}, kind[8] = {};
        int race = 0, first = 0, second = 0, yen = 0;
        if (std::sscanf(bet.c_str(), "%4s %dR %4s %d-%d %d", venue, &race, kind, &first, &second, &yen) != 6) {
            ASSERT_EQ(std::sscanf(bet.c_str(), "%4s %dR %4s %d %d", venue, &race, kind, &first, &yen), 5) << bet;
            second = 0;
        }
        kinds.insert(kind);
        const centre::Race* r = day.race(base::VenueFromName(venue), race);
        ASSERT_NE(r, nullptr) << testsupport::u8(bet);
        EXPECT_GT(r->saleCode, 0);
        if (std::string(kind) != base::kKindNameWakuren) {
            EXPECT_TRUE(r->horseOnSale(first)) << testsupport::u8(bet);
            if (second != 0) {
                EXPECT_TRUE(r->horseOnSale(second)) << testsupport::u8(bet);
            }
        }
        EXPECT_GE(yen, 100);
    }
    EXPECT_EQ(kinds.size(), 4u) << "every kind";
}

}  // namespace

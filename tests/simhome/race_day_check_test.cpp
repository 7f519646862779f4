// The whole-day check: every bet written placed exactly once or left in the
// list after a failed run, nothing placed that was not written; and the
// list's lines read back in either of the forms it holds them.
#include <gtest/gtest.h>

#include "frontends/simhome/prediction_program.h"
#include "frontends/simhome/race_day_check.h"
#include "support/support.h"

namespace {

using centre::Bet;
using centre::Kind;
using testsupport::u8;

// 東京 is venue 5, 阪神 venue 9.
const Bet kTokyoWin{5, 1, Kind::Win, 7, 0, 5};
const Bet kTokyoPair{5, 11, Kind::Quinella, 3, 5, 10};
const Bet kHanshinBracket{9, 2, Kind::Bracket, 2, 8, 8};

simhome::PlannedBetFile fileOf(std::vector<Bet> bets) {
    simhome::PlannedBetFile file;
    file.bets = std::move(bets);
    return file;
}

std::vector<centre::LedgerEntry> ledgerOf(const std::vector<Bet>& bets) {
    std::vector<centre::LedgerEntry> ledger;
    for (const Bet& bet : bets) ledger.push_back({1, static_cast<int>(ledger.size()) + 1, bet});
    return ledger;
}

std::string broken(const std::vector<simhome::PlannedBetFile>& files, const std::vector<Bet>& placed,
                   const std::vector<Bet>& left = {}) {
    const auto result = simhome::FirstBrokenBet(files, ledgerOf(placed), left);
    return result ? u8(*result) : "";
}

TEST(RaceDayCheck, EveryBetPlacedOnceHoldsWhateverTheOrderAndTheWayAPairIsWritten) {
    const Bet pairTheOtherWay{5, 11, Kind::Quinella, 5, 3, 10};
    EXPECT_EQ(broken({fileOf({kTokyoWin, kTokyoPair}), fileOf({kTokyoWin})},
                     {pairTheOtherWay, kTokyoWin, kTokyoWin}),
              "");
}

TEST(RaceDayCheck, ABetPlacedTwiceLostOrNeverWrittenIsNamed) {
    EXPECT_EQ(broken({fileOf({kTokyoWin, kTokyoPair})}, {kTokyoWin, kTokyoWin, kTokyoPair}),
              u8("東京 1R 単勝 07 500: written 1, placed 2, left after a failed run 0"));
    EXPECT_EQ(broken({fileOf({kTokyoWin, kTokyoPair})}, {kTokyoWin}),
              u8("東京 11R 馬連 03-05 1000: written 1, placed 0, left after a failed run 0"));
    EXPECT_EQ(broken({fileOf({kTokyoWin})}, {kTokyoWin, kHanshinBracket}),
              u8("阪神 2R 枠連 02-08 800: written 0, placed 1, left after a failed run 0"));
}

TEST(RaceDayCheck, ABetLeftAfterAFailedRunIsAccountedForOnce) {
    EXPECT_EQ(broken({fileOf({kTokyoWin, kTokyoPair})}, {kTokyoWin}, {kTokyoPair}), "");
    EXPECT_EQ(broken({fileOf({kTokyoPair}), fileOf({kTokyoPair})}, {}, {kTokyoPair}),
              u8("東京 11R 馬連 03-05 1000: written 2, placed 0, left after a failed run 1"));
}

TEST(RaceDayCheck, TheListIsReadInCanonicalLinesAndAsThePredictionProgramWroteIt) {
    const std::string list = "001: 東京 11R 馬連 03-05     1000\r\n"
                             "002: 東京  1R 単勝    07      500\r\n"
                             "阪神 2R 枠連 02-08 800\r\n"
                             "東京 1R 単勝 07 500\r\n"
                             "not a bet\r\n";
    const std::vector<Bet> bets = simhome::BetsOfList(list);
    EXPECT_EQ(bets, (std::vector<Bet>{kTokyoPair, kTokyoWin, kHanshinBracket, kTokyoWin}));
    EXPECT_EQ(simhome::BetName(kHanshinBracket) + "\r\n", "阪神 2R 枠連 02-08 800\r\n");
}

}  // namespace

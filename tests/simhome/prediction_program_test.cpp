// The simulated prediction program's plan for a day: files in the order
// written, bet files numbered in that order, timer-bet files named after
// their minute and written before it, every bet on sale in a race that
// starts well after it is meant to be placed, and the same plan for the same
// seed.
#include <gtest/gtest.h>

#include "betclient/centre/generator.h"
#include "frontends/simhome/prediction_program.h"
#include "platform/clock.h"
#include "support/support.h"

namespace {

// Sunday 28 March 1999, 08:50 (Asia/Tokyo).
constexpr std::int64_t k0850 = 922578600;

class PredictionPlan : public ::testing::Test {
protected:
    PredictionPlan() { testsupport::useJapanTime(); }

    std::vector<simhome::PlannedBetFile> plan(std::uint64_t seed, int files = 8, int timerFiles = 2) {
        return simhome::PlanPredictions(day, {seed, files, timerFiles, k0850});
    }
    static int minuteOf(std::int64_t t) {
        const plat::LocalTime l = plat::localTime(t);
        return l.hour * 60 + l.minute;
    }

    centre::Day day = centre::generateDay(1999, 3, 28, 7);
};

TEST_F(PredictionPlan, FilesAreWrittenInOrderAndBetFilesNumberedSo) {
    const auto files = plan(7, 12, 4);
    ASSERT_EQ(files.size(), 16u);
    int betFiles = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0) {
            EXPECT_LE(files[i - 1].writeAt, files[i].writeAt);
        }
        EXPECT_GE(files[i].writeAt, k0850);
        if (files[i].timerBet) continue;
        char name[16];
        std::snprintf(name, sizeof name, "990328%02d.BET", ++betFiles);
        EXPECT_EQ(files[i].name, name);
    }
    EXPECT_EQ(betFiles, 12);
}

TEST_F(PredictionPlan, TimerBetFilesAreNamedAfterTheirMinuteAndWrittenBeforeIt) {
    for (const auto& file : plan(3, 0, 6)) {
        ASSERT_TRUE(file.timerBet);
        const plat::LocalTime due = plat::localTime(file.dueAt);
        char name[16];
        std::snprintf(name, sizeof name, "T328%02d%02d.BET", due.hour, due.minute);
        EXPECT_EQ(file.name, name);
        EXPECT_LT(file.writeAt, file.dueAt);
    }
}

TEST_F(PredictionPlan, EveryBetIsOnSaleWellAfterItIsPlacedAndAFileStaysWithinTheLimits) {
    for (const std::uint64_t seed : {1, 2, 3, 4, 5}) {
        for (const auto& file : plan(seed)) {
            const int placedAt = minuteOf(file.timerBet ? file.dueAt : file.writeAt);
            int yen = 0;
            ASSERT_GE(file.bets.size(), 2u) << file.name;
            for (const centre::Bet& bet : file.bets) {
                const centre::Race* race = day.race(bet.venue, bet.race);
                ASSERT_NE(race, nullptr);
                EXPECT_TRUE(race->sells(bet.kind));
                EXPECT_GE(centre::toMinutes(race->startTime), placedAt + simhome::kSaleMarginMinutes);
                if (bet.kind != centre::Kind::Bracket) {
                    EXPECT_TRUE(race->horseOnSale(bet.first));
                }
                if (bet.kind == centre::Kind::Quinella) {
                    EXPECT_TRUE(race->horseOnSale(bet.second));
                }
                yen += bet.units * 100;
            }
            EXPECT_LE(yen, simhome::kFileYenLimit);
        }
    }
}

TEST_F(PredictionPlan, TheSameSeedGivesTheSameDay) {
    const auto a = plan(11), b = plan(11), c = plan(12);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].name, b[i].name);
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_EQ(a[i].writeAt, b[i].writeAt);
    }
    bool differs = false;
    for (std::size_t i = 0; i < a.size(); ++i) differs = differs || a[i].text != c[i].text;
    EXPECT_TRUE(differs);
}

}  // namespace

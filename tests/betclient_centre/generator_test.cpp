#include <gtest/gtest.h>

#include <algorithm>

#include "betclient/centre/brackets.h"
#include "betclient/centre/day_check.h"
#include "betclient/centre/generator.h"
#include "betclient/centre/result_maker.h"
#include "betclient/centre/sale_codes.h"

using namespace centre;

TEST(Brackets, StandardDrawByFieldSize) {
    // Up to eight: one bracket each.
    EXPECT_EQ(bracketOf(8, 8), 8);
    EXPECT_EQ(bracketOf(8, 9), 0);
    // Nine: brackets 1-7 single, 8 and 9 share bracket 8.
    EXPECT_EQ(bracketOf(9, 7), 7);
    EXPECT_EQ(bracketOf(9, 8), 8);
    EXPECT_EQ(bracketOf(9, 9), 8);
    // Twelve: 1-4 single, then pairs.
    EXPECT_EQ(bracketOf(12, 4), 4);
    EXPECT_EQ(bracketOf(12, 5), 5);
    EXPECT_EQ(bracketOf(12, 6), 5);
    EXPECT_EQ(bracketOf(12, 12), 8);
    // Seventeen: bracket 8 takes three; eighteen: brackets 7 and 8 take three.
    EXPECT_EQ(bracketOf(17, 14), 7);
    EXPECT_EQ(bracketOf(17, 15), 8);
    EXPECT_EQ(bracketOf(18, 12), 6);
    EXPECT_EQ(bracketOf(18, 13), 7);
    EXPECT_EQ(bracketOf(18, 16), 8);
    for (int n = 1; n <= kMaxHorses; ++n) {
        auto sizes = bracketSizes(n);
        int sum = 0;
        for (int b = 0; b < kBrackets; ++b) {
            sum += sizes[b];
            if (b > 0 && n > kBrackets) {
                EXPECT_LE(sizes[b - 1], sizes[b]) << "n=" << n;
            }
        }
        EXPECT_EQ(sum, n);
    }
}

TEST(Brackets, SaleCodesFollowScratches) {
    Race race;
    race.saleCode = kRaceAllKinds;
    for (int h = 1; h <= 12; ++h) race.horseCodes[h - 1] = kHorseOnSale;
    race.horseCodes[9] = kHorseScratched;  // horse 10, bracket 7 with horse 9
    race.horseCodes[0] = kHorseExcluded;   // horse 1, alone in bracket 1
    deriveBracketCodes(race);
    EXPECT_EQ(race.bracketCodes[0], kBracketNoRunner);
    EXPECT_EQ(race.sameBracketCodes[0], kSameBracketNone);
    EXPECT_EQ(race.bracketCodes[6], kBracketPartly);
    EXPECT_EQ(race.sameBracketCodes[6], kSameBracketCancelled);
    EXPECT_EQ(race.bracketCodes[7], kBracketOnSale);
    EXPECT_EQ(race.sameBracketCodes[7], kSameBracketOnSale);

    race.saleCode = kRaceNoBracket;
    deriveBracketCodes(race);
    for (int b = 0; b < kBrackets; ++b) EXPECT_EQ(race.bracketCodes[b] + race.sameBracketCodes[b], 0);
}

TEST(Generator, SameDateAndSeedGiveTheSameDay) {
    EXPECT_EQ(generateDay(1998, 12, 5), generateDay(1998, 12, 5));
    EXPECT_EQ(generateDay(2024, 2, 29, 7), generateDay(2024, 2, 29, 7));
    EXPECT_FALSE(generateDay(1998, 12, 5) == generateDay(1998, 12, 6));
    EXPECT_FALSE(generateDay(1998, 12, 5, 1) == generateDay(1998, 12, 5, 2));
}

namespace {

// Checks one race of a generated day for what a believable card and result
// look like; returns true when the result has a dead heat.
bool checkGeneratedRace(const Race& race, const std::string& where) {
    SCOPED_TRACE(where);
    const int n = race.fieldSize();
    EXPECT_GE(n, 7);
    EXPECT_EQ(race.runnerCount(), n);  // every number up to the field is drawn
    EXPECT_GE(race.horsesOnSale(), 5);
    for (int h = n + 1; h <= kMaxHorses; ++h) EXPECT_EQ(race.horseCodes[h - 1], kHorseNone);
    if (race.saleCode != kRaceNotOnSale) {
        EXPECT_TRUE(race.sells(Kind::Win) && race.sells(Kind::Place));
        EXPECT_EQ(race.sells(Kind::Bracket), n > kBrackets);
    }
    Race derived = race;
    deriveBracketCodes(derived);
    EXPECT_EQ(derived.bracketCodes, race.bracketCodes);
    EXPECT_EQ(derived.sameBracketCodes, race.sameBracketCodes);

    const RaceResult& res = race.result;
    if (race.saleCode == kRaceNotOnSale) {
        EXPECT_FALSE(res.known());
        return false;
    }
    EXPECT_TRUE(res.known());
    for (const auto& f : res.order) EXPECT_TRUE(race.horseOnSale(f.horse)) << f.horse;
    // 単勝 pays the horses placed first, 馬連 the pairs of the first two.
    std::vector<int> firsts;
    for (const auto& f : res.order)
        if (f.place == 1) firsts.push_back(f.horse);
    EXPECT_EQ(res.of(Kind::Win).size(), firsts.size());
    for (const auto& e : res.of(Kind::Win))
        EXPECT_NE(std::find(firsts.begin(), firsts.end(), e.first), firsts.end());
    EXPECT_EQ(static_cast<int>(res.of(Kind::Place).size()) >= placesPaid(race), true);
    EXPECT_EQ(race.sells(Kind::Quinella), !res.of(Kind::Quinella).empty());
    for (Kind k : kAllKinds)
        for (const auto& e : res.of(k)) EXPECT_TRUE(e.payout >= 100 && e.payout % 10 == 0) << e.payout;
    return res.of(Kind::Win).size() > 1 || res.of(Kind::Quinella).size() > 1 ||
           static_cast<int>(res.of(Kind::Place).size()) > placesPaid(race);
}

}  // namespace

TEST(Generator, DaysArePlausibleAcrossTheYear) {
    int deadHeats = 0, twoMeetingDays = 0, scratched = 0;
    for (int month = 1; month <= 12; ++month)
        for (int d = 1; d <= 28; d += 3) {
            Day day = generateDay(2001, month, d);
            const std::string when = std::to_string(month) + "/" + std::to_string(d);
            ASSERT_EQ(checkDay(day), "") << when;
            ASSERT_GE(day.meetings.size(), 2u);
            twoMeetingDays += day.meetings.size() == 2;
            EXPECT_LE(day.account.purchaseLimit, day.account.balance);
            for (const Meeting& m : day.meetings) {
                int previous = 0;
                for (int r = 1; r <= kRacesPerMeeting; ++r) {
                    const Race& race = m.races[r - 1];
                    EXPECT_GT(toMinutes(race.startTime), toMinutes(previous) + 25) << when << " R" << r;
                    previous = race.startTime;
                    scratched += race.horsesOnSale() < race.runnerCount();
                    deadHeats += checkGeneratedRace(race, when + " venue " + std::to_string(m.venue) +
                                                              " R" + std::to_string(r));
                }
                EXPECT_GE(m.races[0].startTime, 930);
                EXPECT_LT(m.races[11].startTime, 1700);
            }
        }
    EXPECT_GT(deadHeats, 0);
    EXPECT_GT(twoMeetingDays, 0);
    EXPECT_GT(scratched, 0);
}

TEST(ResultMaker, DeadHeatsSplitThePools) {
    Race race;
    race.saleCode = kRaceAllKinds;
    for (int h = 1; h <= 12; ++h) race.horseCodes[h - 1] = kHorseOnSale;
    deriveBracketCodes(race);
    WinChances c{};
    for (int h = 1; h <= 12; ++h) c[h - 1] = 1.0 / 12;

    // Horses 2 and 9 share first place: two 単勝 entries, one 馬連 pair.
    RaceResult firstTie = resultFromOrder(race, c, {{2, 1}, {9, 1}, {4, 3}, {5, 4}});
    ASSERT_EQ(firstTie.of(Kind::Win).size(), 2u);
    EXPECT_EQ(firstTie.of(Kind::Quinella), (std::vector<PayoutEntry>{{2, 9, firstTie.of(Kind::Quinella)[0].payout}}));
    EXPECT_LT(firstTie.of(Kind::Win)[0].payout, resultFromOrder(race, c, {{2, 1}, {9, 2}, {4, 3}}).of(Kind::Win)[0].payout);

    // Horses 9 and 3 share second place: two 馬連 pairs (smaller number first)
    // and two 枠連 pairs (of twelve horses, 5 is in bracket 5, 9 in 7, 3 in 3).
    RaceResult secondTie = resultFromOrder(race, c, {{5, 1}, {9, 2}, {3, 2}, {1, 4}});
    ASSERT_EQ(secondTie.of(Kind::Quinella).size(), 2u);
    EXPECT_EQ(secondTie.of(Kind::Quinella)[0].first, 5);
    EXPECT_EQ(secondTie.of(Kind::Quinella)[0].second, 9);
    EXPECT_EQ(secondTie.of(Kind::Quinella)[1].first, 3);
    EXPECT_EQ(secondTie.of(Kind::Quinella)[1].second, 5);
    ASSERT_EQ(secondTie.of(Kind::Bracket).size(), 2u);
    EXPECT_EQ(secondTie.of(Kind::Bracket)[0].first * 10 + secondTie.of(Kind::Bracket)[0].second, 57);
    EXPECT_EQ(secondTie.of(Kind::Bracket)[1].first * 10 + secondTie.of(Kind::Bracket)[1].second, 35);

    // A tie for third: four 複勝 entries.
    RaceResult thirdTie = resultFromOrder(race, c, {{5, 1}, {9, 2}, {3, 3}, {1, 3}, {6, 5}});
    EXPECT_EQ(thirdTie.of(Kind::Place).size(), 4u);
}

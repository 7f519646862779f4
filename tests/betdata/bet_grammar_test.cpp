// The free-text grammar: what each kind of line turns into, with and
// without the voting terms in force.
#include <gtest/gtest.h>

#include "base/strings.h"
#include "bet_list_fixture.h"

using namespace betdata_test;
using std::vector;

namespace {

class Grammar : public ::testing::Test {
protected:
    BetListWorld w;
    std::string bets(const std::string& text) {
        w.parse(text);
        return describe(w.table());
    }
};

TEST_F(Grammar, FreeTextBecomesTheCanonicalLine) {
    EXPECT_EQ(w.parse("東京 11R 馬連 3-5 1000"), "001: 東京 11R 馬連 03-05     1000\r\n");
    EXPECT_EQ(describe(w.table()), "5/11/U/3-5/10");
    EXPECT_EQ(w.state.listCount, 1);
    EXPECT_EQ(w.state.listTotal, 1000);
    EXPECT_TRUE(w.notifier.events().empty());
}

TEST_F(Grammar, CanonicalLinesParseBackToTheSameBets) {
    std::string first = w.parse(lines({"東京 11R 馬連 3-5 1000", "中山 1R 単勝 7 500",
                                        "京都 12R 枠連 8-1 20000", "小倉 2R 複勝 18 100"}));
    std::string firstBets = describe(w.table());
    EXPECT_EQ(first,
              "001: 東京 11R 馬連 03-05     1000\r\n"
              "002: 中山  1R 単勝    07      500\r\n"
              "003: 京都 12R 枠連 01-08    20000\r\n"
              "004: 小倉  2R 複勝    18      100\r\n");
    // The rendered text ends in CR LF, so it holds a final empty line too.
    EXPECT_EQ(w.parse(first), first);
    EXPECT_EQ(describe(w.table()), firstBets);
}

TEST_F(Grammar, VenueRaceAndKindCarryOverToLaterLines) {
    EXPECT_EQ(bets(lines({"東京 11R 単勝 3 500", "5 200"})), "5/11/T/3-0/5 5/11/T/5-0/2");
    // A pair shape does not keep a single kind; the pair kind then stays.
    EXPECT_EQ(bets(lines({"東京 11R 単勝 3 500", "1-2", "3-4"})),
              "5/11/T/3-0/5 5/11/U/1-2/1 5/11/U/3-4/1");
    // A single shape turns a pair kind into 単勝.
    EXPECT_EQ(bets(lines({"東京 11R 馬連 3-5", "7"})), "5/11/U/3-5/1 5/11/T/7-0/1");
    // A race word without a venue keeps the venue of the line before.
    EXPECT_EQ(bets(lines({"阪神 1R 3", "2R 4"})), "9/1/T/3-0/1 9/2/T/4-0/1");
}

TEST_F(Grammar, LinesThatCannotBeBetAreRefusedSilently) {
    // No venue yet, no race yet, no numbers at all.
    for (const char* line : {"11R 馬連 3-5", "東京 3-5", "東京 11R 馬連", ""}) {
        EXPECT_EQ(w.parse(line), "") << line;
    }
    EXPECT_TRUE(w.notifier.events().empty());
    // Races outside 1..12 are refused.
    EXPECT_EQ(bets("東京 13R 3"), "");
}

TEST_F(Grammar, KindWordsChooseWithinTheShapeOfTheNumbers) {
    EXPECT_EQ(bets("阪神 9R 5-8"), "9/9/U/5-8/1");
    EXPECT_EQ(bets("阪神 9R 枠連 5-8"), "9/9/W/5-8/1");
    EXPECT_EQ(bets("阪神 9R 複勝 5-8"), "9/9/U/5-8/1");
    EXPECT_EQ(bets("中山 5R 単勝 1,4,7 300"), "6/5/T/1-0/3 6/5/T/4-0/3 6/5/T/7-0/3");
    EXPECT_EQ(bets("中山 5R 複勝 1,4,7 300"), "6/5/F/1-0/3 6/5/F/4-0/3 6/5/F/7-0/3");
    // Without a dash the numbers are singles, whatever pair kind was named.
    EXPECT_EQ(bets("中山 5R 馬連 1,4"), "6/5/T/1-0/1 6/5/T/4-0/1");
    // Letters inside the number part name the kind too.
    EXPECT_EQ(bets("中山 5R 1F 2"), "6/5/F/1-0/1 6/5/F/2-0/1");
}

TEST_F(Grammar, UnnamedPairsFollowTheRaceSaleCodeWhileTermsAreInForce) {
    w.terms = tokyoTerms();
    EXPECT_EQ(bets("東京 9R 5-8"), "5/9/U/5-8/1");
    w.terms.meetings[0].races[8].raceSaleCode = 7;
    EXPECT_EQ(bets("東京 9R 5-8"), "5/9/W/5-8/1");
    EXPECT_EQ(bets("東京 9R 馬連 5-8"), "5/9/U/5-8/1");
}

TEST_F(Grammar, ChainsPairEveryNumberWithTheOnesBeforeIt) {
    EXPECT_EQ(bets("東京 1R 1-2-3"), "5/1/U/1-2/1 5/1/U/2-3/1 5/1/U/1-3/1");
    // The whole rest of the line is one number part.
    EXPECT_EQ(bets("東京 1R 1-2 3-4"), "5/1/U/1-2/1 5/1/U/3-4/1 5/1/U/2-4/1 5/1/U/1-4/1");
    // A fan off the chain's first number.
    EXPECT_EQ(bets("東京 1R 1-2,3,4"), "5/1/U/1-2/1 5/1/U/1-3/1 5/1/U/1-4/1");
    // Numbers are put in ascending order.
    EXPECT_EQ(bets("東京 1R 枠連 8-2"), "5/1/W/2-8/1");
    // A dash at the end, or a list starting with a marker, pairs nothing more.
    EXPECT_EQ(bets("東京 1R 3-"), "");
    EXPECT_EQ(bets("東京 1R 20-3,4"), "");
}

TEST_F(Grammar, DashAPairsWithEveryHorseOrBracket) {
    std::string all18;
    for (int k = 1; k <= 18; ++k) all18 += (k > 1 ? " 5/3/U/1-" : "5/3/U/1-") + std::to_string(k) + "/1";
    EXPECT_EQ(bets("東京 3R 1-A"), all18);
    EXPECT_EQ(w.table().count, 18);
    w.parse("東京 3R 枠連 3-A");
    EXPECT_EQ(w.table().count, 8);

    // With terms: the race's runners bound the horses, and 1-1 is refused.
    w.terms = tokyoTerms();
    w.terms.meetings[0].races[2].runnerCount = 10;
    w.parse("東京 3R 1-A");
    EXPECT_EQ(w.table().count, 9);
    EXPECT_EQ(describe(w.table()).substr(0, 11), "5/3/U/1-2/1");
}

TEST_F(Grammar, AmountsRoundDownToUnitsAndEndTheNumbers) {
    EXPECT_EQ(w.parse("東京 1R 3 150"), "001: 東京  1R 単勝    03      100\r\n");
    EXPECT_EQ(bets("東京 1R 3 0"), "5/1/T/3-0/0");
    EXPECT_EQ(bets("東京 1R 3 50 200 4"), "5/1/T/3-0/2");
    EXPECT_EQ(bets("東京 1R 3"), "5/1/T/3-0/1");
    EXPECT_EQ(bets("東京 1R 3 3276700"), "5/1/T/3-0/32767");
}

TEST_F(Grammar, AmountsBeyondTheAmountFieldRefuseTheLine) {
    EXPECT_EQ(bets(lines({"東京 1R 3 3276800", "4 99999999999999999999"})), "");
    // The kind settled on the refused line still carries over.
    EXPECT_EQ(bets(lines({"東京 1R 1-2 9999999", "3-4"})), "5/1/U/3-4/1");
}

TEST_F(Grammar, LetterTokens) {
    EXPECT_EQ(bets("東京 1R U1-2"), "5/1/U/1-2/1");
    // A lone T or F names a venue (東京, 福島), not a kind.
    EXPECT_EQ(bets("中山 1R T 3"), "5/1/T/3-0/1");
    EXPECT_EQ(bets("中山 1R 馬連 F 1-2"), "3/1/U/1-2/1");
    // A lone U has no kind letter after it in the kind text: no bets.
    EXPECT_EQ(bets(lines({"中山 1R U 3-4", "5-6"})), "");
    // Codes, one-kanji names and other words.
    EXPECT_EQ(bets("NK 1R 3"), "6/1/T/3-0/1");
    EXPECT_EQ(bets("名 1R 3"), "7/1/T/3-0/1");
    EXPECT_EQ(bets("東京 1R BET 3"), "5/1/T/3-0/1");
}

TEST_F(Grammar, WordsThatAreNeitherVenueNorKindRefuseTheLineWith8005) {
    EXPECT_EQ(bets(lines({"東京 1R 3", "東京 1R ★ 4", "5"})), "5/1/T/3-0/1 5/1/T/5-0/1");
    EXPECT_EQ(w.notifier.boxIds(), vector<int>{base::kMsgBadVenueOrKind});
}

TEST_F(Grammar, LineNumbersAreSkipped) {
    EXPECT_EQ(bets("007: 東京 1R 単勝 3 500"), "5/1/T/3-0/5");
}

// A line cut short would lose its amount, or have it read as a horse
// ("1000" cut to "10"): lines are read whole, however long.
TEST_F(Grammar, LongLinesAreReadWhole) {
    std::string line = "東京 1R 3" + std::string(118, ' ');  // 127 bytes
    EXPECT_EQ(bets(line + " 500"), "5/1/T/3-0/5");
    EXPECT_EQ(bets(line.substr(0, 125) + " 1000"), "5/1/T/3-0/10");
    std::string many = "東京 1R 馬連 1-2";
    for (int i = 0; i < 199; ++i) many += ",2";
    w.parse(many + " 300");  // 1-2 two hundred times, for 300 yen each
    EXPECT_EQ(w.table().count, 200);
    EXPECT_EQ(describe(w.table()).substr(0, 13), "5/1/U/1-2/3 5");
    EXPECT_EQ(w.bet(199).amount, 3);
}

TEST_F(Grammar, VenuesNotHeldShow8002AndRefuseTheirLines) {
    w.terms = tokyoTerms();
    EXPECT_EQ(bets(lines({"中山 1R 3", "4", "東京 1R 5"})), "5/1/T/5-0/1");
    // One box for the venue; the dependent race word ends the second line.
    EXPECT_EQ(w.notifier.boxIds(), vector<int>{base::kMsgVenueNotHeld});
    w.notifier.clear();
    EXPECT_EQ(bets(lines({"中山 1R 3", "2R 4"})), "");
    EXPECT_EQ(w.notifier.boxIds(), vector<int>{base::kMsgVenueNotHeld});
}

TEST_F(Grammar, RacesNotOnSaleShow8003AndStillMeetTheBetChecks) {
    w.terms = tokyoTerms();
    w.terms.meetings[0].races[4].raceSaleCode = 0;
    EXPECT_EQ(bets(lines({"東京 5R 3", "東京 5R 4"})), "5/5/T/3-0/1 5/5/T/4-0/1");
    EXPECT_EQ(w.notifier.boxIds(), (vector<int>{base::kMsgRaceNotOnSale, base::kMsgRaceNotOnSale}));
}

TEST_F(Grammar, BetsAreCheckedAgainstTheSaleCodes) {
    w.terms = tokyoTerms();
    auto& race = w.terms.meetings[0].races[0];
    race.horseSaleCodes[3] = 0;        // horse 4 not on sale
    race.bracketSaleCodes[5] = 4;      // bracket 6 not on sale
    race.sameBracketSaleCodes[2] = 0;  // 3-3 not on sale
    EXPECT_EQ(bets("東京 1R 単勝 3,4,5"), "5/1/T/3-0/1 5/1/T/5-0/1");
    EXPECT_EQ(bets(lines({"東京 1R 馬連 3-3", "3-4", "3-5"})), "5/1/U/3-5/1");
    EXPECT_EQ(bets(lines({"東京 1R 枠連 3-3", "5-5", "5-6", "5-7"})), "5/1/W/5-5/1 5/1/W/5-7/1");
    EXPECT_TRUE(w.notifier.events().empty());
    // Without terms nothing is checked.
    w.terms.termsChecked = 0;
    EXPECT_EQ(bets("東京 1R 馬連 3-3"), "5/1/U/3-3/1");
}

TEST_F(Grammar, BracketsBeyondEightAreNoBet) {
    EXPECT_EQ(bets(lines({"東京 1R 枠連 1-9", "2-8"})), "5/1/W/2-8/1");
}

TEST_F(Grammar, TheTableHoldsThreeHundredBets) {
    vector<std::string> ls{"東京 1R 単勝"};
    for (int i = 0; i < 299; ++i) ls.push_back(std::to_string(i % 18 + 1));
    ls.push_back("1,2,3");  // the 300th bet and two more
    ls.push_back("4");      // never read
    w.parse(lines(ls));
    EXPECT_EQ(w.table().count, 300);
    EXPECT_EQ(w.bet(299).first, 1);
    EXPECT_EQ(w.notifier.boxIds(), (vector<int>{base::kMsgTooManyBets, base::kMsgTooManyBets}));
    EXPECT_EQ(w.state.listCount, 300);
    const std::string last = "300: 東京  1R 単勝    01      100\r\n";
    EXPECT_EQ(w.list.text().substr(w.list.text().size() - last.size()), last);
}

TEST_F(Grammar, TheTermsStepRunsFirstUnlessSkipped) {
    w.list.setText("東京 1R 3");
    betdata::ParseBetList(w.ctx, false);
    EXPECT_EQ(w.connector.modes, vector<int>{base::kConnectTermsOnly});
    EXPECT_EQ(describe(w.table()), "5/1/T/3-0/1");

    // A failed connection leaves list and table as they were.
    w.connector.result = -1;
    w.list.setText("東京 2R 4");
    betdata::ParseBetList(w.ctx, false);
    EXPECT_EQ(w.list.text(), "東京 2R 4");
    EXPECT_EQ(describe(w.table()), "5/1/T/3-0/1");

    w.parse("東京 2R 4");
    EXPECT_EQ(w.connector.modes.size(), 2u);
}

}  // namespace

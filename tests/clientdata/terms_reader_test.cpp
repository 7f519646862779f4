// Reading the three terms files, the start-time lookup and the tests whether
// the terms are today's.
#include <gtest/gtest.h>

#include <vector>

#include "client_dir_fixture.h"
#include "support/client_files.h"
#include "clientdata/terms_reader.h"

namespace clientdata {
namespace {

using testsupport::TermsValues;
using testsupport::termsLine;
using testsupport::writeTextFile;
using testsupport::FixedLine;

class TermsReaderTest : public clienttest::ClientDirTest {
protected:
    void writeTerms(const char* name, const TermsValues& values) {
        writeTextFile(clientDir() + name, {termsLine(values)});
    }
    void load() {
        LoadVotingTerms(context, clientExe(), [this](const std::string& text) { messages.push_back(text); });
    }
    static std::string cardLine(int venue, int race, int startTime) {
        return FixedLine(30).number(0, 2, venue).number(4, 1, 3).number(5, 1, 4).number(6, 2, race)
            .number(8, 4, 615).number(13, 4, startTime);
    }

    base::VotingTerms terms;
    base::CurrentBetFile betFile;
    TermsContext context{terms, betFile, betDir(), cardDir() + "any.den"};
    std::vector<std::string> messages;
};

TEST_F(TermsReaderTest, MissingMiddleFileLeavesItsSlotAlone) {
    TermsValues a;  // 2024-06-15, 東京
    TermsValues c;
    c.venueCode = 8;
    c.purchaseLimit = 90000, c.accountBalance = 180000, c.prevDayPurchase = 4000, c.prevDayPayout = 500;
    writeTerms("Uy-a.Jra", a);
    writeTerms("Uy-c.Jra", c);
    terms.meetings[1].venueCode = 6;
    terms.meetings[1].races[0].raceSaleCode = 3;

    load();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(terms.meetings[0].venueCode, 5);
    EXPECT_EQ(terms.meetings[1].venueCode, 6);
    EXPECT_EQ(terms.meetings[1].races[0].raceSaleCode, 3);
    EXPECT_EQ(terms.meetings[2].venueCode, 8);
    EXPECT_EQ(terms.meetings[2].races[11].raceSaleCode, 7);
    EXPECT_EQ(terms.meetings[2].races[12].raceSaleCode, 0);
    EXPECT_EQ(terms.meetings[2].races[0].runnerCount, 9);
    EXPECT_EQ(terms.meetings[2].kai, 3);
    EXPECT_EQ(terms.meetings[2].nichime, 4);
    EXPECT_EQ(terms.termsYear, 2024);
    EXPECT_EQ(terms.termsMonth, 6);
    EXPECT_EQ(terms.termsDay, 15);
    EXPECT_EQ(terms.purchaseLimit, 90000);   // the figures of the last file read
    EXPECT_EQ(terms.availableAmount, 90000);
    EXPECT_EQ(terms.accountBalance, 180000);
    EXPECT_EQ(terms.prevDayPurchase, 4000);
    EXPECT_EQ(terms.prevDayPayout, 500);
    EXPECT_EQ(terms.betsRemaining, 300);
    EXPECT_EQ(terms.statusDirty, 1);
    EXPECT_EQ(betFile.path, betDir() + "24061501.Bet");  // chosen for the terms date
}

TEST_F(TermsReaderTest, NoTermsFileAtAllIsReported) {
    terms.termsDay = 14;
    load();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(testsupport::u8(messages[0]), testsupport::u8("開催情報ファイルが見つかりません！"));
    EXPECT_EQ(terms.termsDay, 14);
    EXPECT_EQ(terms.statusDirty, 0);
    EXPECT_TRUE(betFile.path.empty());
}

TEST_F(TermsReaderTest, EmptyFileCountsAsFoundAndChangesNothing) {
    testsupport::writeBytes(clientDir() + "Uy-b.Jra", "");
    terms.meetings[1].venueCode = 6;
    load();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(terms.meetings[1].venueCode, 6);
    EXPECT_EQ(terms.termsDay, 0);
    EXPECT_EQ(terms.statusDirty, 0);
}

TEST_F(TermsReaderTest, StartTimesFromTheAllVenuesFile) {
    writeTerms("Uy-a.Jra", TermsValues{});
    writeTextFile(cardDir() + "240615全.den",
                  {cardLine(5, 1, 1000), cardLine(8, 2, 1035), cardLine(5, 11, 1540), cardLine(5, 13, 1700),
                   cardLine(5, 0, 905), cardLine(5, 1, 1005)});
    load();
    const base::MeetingTerms& m = terms.meetings[0];
    EXPECT_EQ(m.races[0].startTime, 1005);  // a later line for the race wins
    EXPECT_EQ(m.races[1].startTime, 0);     // venue 8's line is not this meeting's
    EXPECT_EQ(m.races[10].startTime, 1540);
    EXPECT_EQ(m.races[12].startTime, 0);    // race 13 is not bet
    EXPECT_EQ(terms.raceCardDate, 615);
}

TEST_F(TermsReaderTest, StartTimesFromTheVenueFile) {
    TermsValues c;
    c.venueCode = 7;  // 中京: its file is named with 名
    writeTerms("Uy-c.Jra", c);
    writeTextFile(cardDir() + "240615名.den", {cardLine(7, 12, 1625)});
    writeTextFile(cardDir() + "240615中.den", {cardLine(7, 12, 1111)});
    terms.raceCardDate = 1231;  // kept once set
    load();
    EXPECT_EQ(terms.meetings[2].races[11].startTime, 1625);
    EXPECT_EQ(terms.raceCardDate, 1231);
}

TEST_F(TermsReaderTest, NoRaceCardStillMarksTheStatusDirty) {
    writeTerms("Uy-a.Jra", TermsValues{});
    load();
    EXPECT_EQ(terms.meetings[0].races[0].startTime, 0);
    EXPECT_EQ(terms.raceCardDate, 0);
    EXPECT_EQ(terms.statusDirty, 1);
}

TEST_F(TermsReaderTest, TermsFileIsToday) {
    const std::int64_t june15 = at(2024, 6, 15, 8, 30);
    EXPECT_FALSE(TermsFileIsToday(terms, clientExe(), june15));  // no file
    testsupport::writeBytes(clientDir() + "Uy-a.Jra", "");
    EXPECT_FALSE(TermsFileIsToday(terms, clientExe(), june15));  // empty file
    writeTerms("Uy-a.Jra", TermsValues{});
    EXPECT_TRUE(TermsFileIsToday(terms, clientExe(), june15));
    EXPECT_FALSE(TermsFileIsToday(terms, clientExe(), at(2024, 6, 16)));
    // Terms in memory of that day answer without the file.
    base::VotingTerms loaded;
    loaded.termsYear = 2024, loaded.termsMonth = 6, loaded.termsDay = 16;
    EXPECT_TRUE(TermsFileIsToday(loaded, clientExe(), at(2024, 6, 16)));
}

TEST_F(TermsReaderTest, TermsAreCurrentUntilFivePm) {
    terms.termsYear = 2024, terms.termsMonth = 6, terms.termsDay = 15;
    EXPECT_TRUE(AreTermsCurrent(terms, at(2024, 6, 15, 0, 0)));
    EXPECT_TRUE(AreTermsCurrent(terms, at(2024, 6, 15, 16, 59)));
    EXPECT_FALSE(AreTermsCurrent(terms, at(2024, 6, 15, 17, 0)));
    EXPECT_FALSE(AreTermsCurrent(terms, at(2024, 6, 16, 10, 0)));
    EXPECT_FALSE(AreTermsCurrent(base::VotingTerms{}, at(2024, 6, 15, 10, 0)));
}

}  // namespace
}  // namespace clientdata

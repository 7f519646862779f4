// Reading the client's payout files into the payout tables.
#include <gtest/gtest.h>

#include "betclient/centre/client_files.h"
#include "betclient/centre/generator.h"
#include "client_dir_fixture.h"
#include "clientdata/payout_tables.h"
#include "support/client_files.h"

namespace clientdata {
namespace {

using testsupport::PayoutLine;
using testsupport::writeTextFile;

class PayoutFilesTest : public clienttest::ClientDirTest {
protected:
    PayoutFilesTest() {
        useMeeting(0, 5, 3, 4);  // 東京 3回 4日目 of 2024: files "?h-5434.Jra"
    }
    void useMeeting(int slot, int venue, int kai, int nichime) {
        base::MeetingTerms& m = terms.meetings[slot];
        m.year = 2024, m.venueCode = static_cast<std::uint8_t>(venue);
        m.kai = static_cast<std::uint8_t>(kai), m.nichime = static_cast<std::uint8_t>(nichime);
    }
    void write(const char* name, const PayoutLine& line) { writeTextFile(clientDir() + name, {line.str()}); }
    void read() { ReadPayoutFiles(tables, terms, clientExe()); }
    const PayoutEntry& entry(PayoutKind kind, int race, int e, int slot = 0) const {
        return tables.race(kind, slot, race)[e];
    }

    base::VotingTerms terms;
    PayoutTables tables;
};

void expectEntry(const PayoutEntry& e, int first, int second, int payout) {
    EXPECT_EQ(e.first, first);
    EXPECT_EQ(e.second, second);
    EXPECT_EQ(e.payout, payout);
}

TEST_F(PayoutFilesTest, EachKindIsReadFromItsColumns) {
    write("Th-5434.Jra", PayoutLine(0, "東京", 3, 4).block(1, 1, 1).entry(1, 0, 3, 0, 350).block(12, 12, 1)
                             .entry(12, 0, 7, 0, 1234567).entry(12, 1, 9, 0, 880));
    PayoutLine places(1, "東京", 3, 4);
    places.block(2, 2, 1);
    for (int e = 0; e < 5; ++e) places.entry(2, e, 12 + e, 0, 110 + 200 * e);
    write("Fh-5434.Jra", places);
    write("Wh-5434.Jra", PayoutLine(2, "東京", 3, 4).block(3, 3, 1).entry(3, 0, 2, 8, 4560));
    write("Uh-5434.Jra", PayoutLine(3, "東京", 3, 4).block(4, 4, 1).entry(4, 0, 3, 12, 5120).entry(4, 1, 12, 15, 80));
    read();

    expectEntry(entry(PayoutKind::Tansho, 1, 0), 3, 0, 350);
    EXPECT_TRUE(entry(PayoutKind::Tansho, 1, 1).empty());
    expectEntry(entry(PayoutKind::Tansho, 12, 0), 7, 0, 1234567);
    expectEntry(entry(PayoutKind::Tansho, 12, 1), 9, 0, 880);
    expectEntry(entry(PayoutKind::Fukusho, 2, 0), 12, 0, 110);
    expectEntry(entry(PayoutKind::Fukusho, 2, 4), 16, 0, 910);
    expectEntry(entry(PayoutKind::Wakuren, 3, 0), 2, 8, 4560);
    expectEntry(entry(PayoutKind::Umaren, 4, 0), 3, 12, 5120);
    expectEntry(entry(PayoutKind::Umaren, 4, 1), 12, 15, 80);
    EXPECT_TRUE(tables.deadHeat(0, 12));   // a second 単勝
    EXPECT_TRUE(tables.deadHeat(0, 2));    // a fourth 複勝
    EXPECT_TRUE(tables.deadHeat(0, 4));    // a second 馬連
    EXPECT_FALSE(tables.deadHeat(0, 1));
}

TEST_F(PayoutFilesTest, BlocksWithoutResultOrOutOfPlaceAndFilesOfOtherMeetingsAreLeftEmpty) {
    // Race 1 has no result yet; block 2 carries race number 3.
    write("Th-5434.Jra", PayoutLine(0, "東京", 3, 4).entry(1, 0, 3, 0, 350).block(2, 3, 1).entry(2, 0, 4, 0, 200)
                             .block(5, 5, 1).entry(5, 0, 6, 0, 600));
    // Written for 3回 5日目, or for another racecourse, under this meeting's names.
    write("Fh-5434.Jra", PayoutLine(1, "東京", 3, 5).block(1, 1, 1).entry(1, 0, 3, 0, 120));
    write("Wh-5434.Jra", PayoutLine(2, "中山", 3, 4).block(1, 1, 1).entry(1, 0, 1, 2, 300));
    read();
    EXPECT_TRUE(entry(PayoutKind::Tansho, 1, 0).empty());
    EXPECT_TRUE(entry(PayoutKind::Tansho, 2, 0).empty());
    expectEntry(entry(PayoutKind::Tansho, 5, 0), 6, 0, 600);
    EXPECT_TRUE(entry(PayoutKind::Fukusho, 1, 0).empty());
    EXPECT_TRUE(entry(PayoutKind::Wakuren, 1, 0).empty());

    // Every read starts from empty tables: the files gone, nothing is left.
    plat::removeFile(clientDir() + "Th-5434.Jra");
    read();
    EXPECT_TRUE(entry(PayoutKind::Tansho, 5, 0).empty());
}

TEST_F(PayoutFilesTest, TheCentresFilesGiveItsResults) {
    const centre::Day day = centre::generateDay(2024, 6, 15);
    ASSERT_GE(day.meetings.size(), 2u);
    for (std::size_t slot = 0; slot < day.meetings.size(); ++slot) {
        const centre::Meeting& m = day.meetings[slot];
        useMeeting(static_cast<int>(slot), m.venue, m.kai, m.nichime);
        ASSERT_TRUE(centre::writePayoutFiles(clientDir(), day, m, 1700));
    }
    read();
    int compared = 0;
    for (std::size_t slot = 0; slot < day.meetings.size(); ++slot) {
        for (int race = 1; race <= 12; ++race) {
            const centre::RaceResult& result = day.meetings[slot].races[race - 1].result;
            for (int k = 0; k < kPayoutKinds; ++k) {
                const auto read = tables.race(kAllPayoutKinds[k], static_cast<int>(slot), race);
                const std::vector<centre::PayoutEntry>& known = result.of(centre::kAllKinds[k]);
                for (std::size_t e = 0; e < read.size(); ++e) {
                    SCOPED_TRACE(testing::Message() << "slot " << slot << " race " << race << " kind " << k);
                    if (e < known.size()) {
                        expectEntry(read[e], known[e].first, known[e].second, known[e].payout);
                        ++compared;
                    } else {
                        EXPECT_TRUE(read[e].empty());
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 100);
}

}  // namespace
}  // namespace clientdata

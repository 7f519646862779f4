// The client's files as lines in memory, read back column by column with the
// test's own reader.
#include <gtest/gtest.h>

#include "betclient/centre/payout_file.h"
#include "betclient/centre/race_card_file.h"
#include "betclient/centre/terms_file.h"
#include "betclient/centre/vote_log_file.h"
#include "centre_fixture.h"

using namespace centre;
using centre_test::bytes;
using centre_test::field;
using centre_test::smallDay;

TEST(TermsFile, CarriesTheDayInItsColumns) {
    const Day day = smallDay();
    const std::string line = formatTermsLine(day, 0, 915);
    EXPECT_EQ(field(line, 0, 4), 1998);
    EXPECT_EQ(field(line, 4, 2), 12);
    EXPECT_EQ(field(line, 6, 2), 5);
    EXPECT_EQ(field(line, 20, 6), 10000);
    EXPECT_EQ(field(line, 26, 6), 52000);
    EXPECT_EQ(field(line, 32, 8), 3000);
    EXPECT_EQ(field(line, 40, 8), 1200);
    EXPECT_EQ(field(line, 58, 2), 5);
    EXPECT_EQ(bytes(line, 60, 4), "東京");
    EXPECT_EQ(field(line, 64, 2), 5);
    EXPECT_EQ(field(line, 66, 2), 3);
    for (int k = 0; k < 14; ++k) {
        SCOPED_TRACE(k);
        const Race race = k < kRacesPerMeeting ? day.meetings[0].races[k] : Race{};
        EXPECT_EQ(field(line, 69 + 2 * k, 2), race.saleCode);
        for (int j = 0; j < 18; ++j) EXPECT_EQ(field(line, 97 + 34 * k + j, 1), race.horseCodes[j]);
        for (int j = 0; j < 8; ++j) {
            EXPECT_EQ(field(line, 115 + 34 * k + j, 1), race.bracketCodes[j]);
            EXPECT_EQ(field(line, 123 + 34 * k + j, 1), race.sameBracketCodes[j]);
        }
    }
    // Spot checks of values the explicit day pins down.
    EXPECT_EQ(bytes(line, 69, 8), "15150700");       // races 1-4
    EXPECT_EQ(field(line, 97 + 34 + 9, 1), 1);       // 2R horse 10 scratched
    EXPECT_EQ(field(line, 115 + 34 + 6, 1), 5);      // 2R bracket 7 partly
    EXPECT_EQ(field(line, 123 + 34 + 6, 1), 2);      // 2R same bracket 7 cancelled
    EXPECT_EQ(line.find('\n'), std::string::npos);

    // Slot 1 is 阪神; slot 2 has no meeting but tells the same date and account.
    EXPECT_EQ(field(formatTermsLine(day, 1, 915), 58, 2), 9);
    const std::string unused = formatTermsLine(day, 2, 915);
    EXPECT_EQ(unused.substr(0, 48), line.substr(0, 48));
    EXPECT_EQ(field(unused, 58, 2), 0);
    EXPECT_EQ(field(unused, 69, 2), 0);
}

TEST(VoteLogFile, RecordColumnsAndEntrySlots) {
    const Day day = smallDay();
    CentreState state;
    state.nextLogNumber = 7;
    auto rec = vote(day, state,
                    {{5, 2, Kind::Quinella, 3, 12, 10}, {5, 2, Kind::Win, 5, 0, 3}, {5, 2, Kind::Win, 10, 0, 2}},
                    1012);
    ASSERT_TRUE(rec);
    EXPECT_EQ(voteLogFileName(rec->logNumber), "Lg-07.JRA");
    const std::string line = formatVoteLogLine(day, *rec);
    EXPECT_EQ(bytes(line, 0, 12), "199812051012");
    EXPECT_EQ(field(line, 12, 4), 1);
    EXPECT_EQ(field(line, 20, 2), 3);
    auto entry = [&](int i, int offset, int width) { return field(line, 22 + 19 * i + offset, width); };
    // 馬連 3-12, 10 units, accepted.
    EXPECT_EQ(entry(0, 1, 2), 1);
    EXPECT_EQ(entry(0, 4, 2), 5);
    EXPECT_EQ(entry(0, 6, 2), 2);
    EXPECT_EQ(entry(0, 8, 1), 4);
    EXPECT_EQ(entry(0, 9, 2), 3);
    EXPECT_EQ(entry(0, 11, 2), 12);
    EXPECT_EQ(entry(0, 13, 4), 10);
    EXPECT_EQ(entry(0, 17, 1), 0);
    // 単勝 5: the number stands in the second field.
    EXPECT_EQ(entry(1, 8, 1), 1);
    EXPECT_EQ(entry(1, 9, 2), 0);
    EXPECT_EQ(entry(1, 11, 2), 5);
    EXPECT_EQ(entry(1, 13, 4), 3);
    // 単勝 10 is scratched: ？.
    EXPECT_EQ(entry(2, 17, 1), 2);
    EXPECT_EQ(bytes(line, 22 + 19 * 3, 19), std::string(19, ' '));  // unused slot
    EXPECT_EQ(field(line, 972, 6), 13);
    EXPECT_EQ(field(line, 978, 3), 298);
    EXPECT_EQ(field(line, 981, 9), 87);
    EXPECT_EQ(line.size(), 990u);
}

TEST(PayoutFile, HeaderBlocksAndEntriesPerKind) {
    const Day day = smallDay();
    const Meeting& hanshin = day.meetings[1];
    EXPECT_EQ(payoutFileName(day, hanshin, Kind::Win), "Th-9853.Jra");
    EXPECT_EQ(payoutFileName(day, day.meetings[0], Kind::Quinella), "Uh-5853.Jra");

    struct Layout {
        Kind kind;
        int block, entryWidth, payoutAt, secondAt, secondWidth;
    } layouts[] = {
        {Kind::Win, 44, 10, 3, 0, 0},
        {Kind::Place, 64, 10, 3, 0, 0},
        {Kind::Bracket, 48, 12, 5, 3, 1},
        {Kind::Quinella, 56, 14, 7, 4, 2},
    };
    for (const auto& l : layouts) {
        SCOPED_TRACE(static_cast<int>(l.kind));
        const std::string line = formatPayoutLine(day, hanshin, l.kind, 1700);
        EXPECT_EQ(bytes(line, 8, 4), "阪神");
        EXPECT_EQ(field(line, 16, 2), 5);
        EXPECT_EQ(field(line, 18, 2), 3);
        EXPECT_EQ(static_cast<int>(line.size()), 20 + 12 * l.block);
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(field(line, 20 + k * l.block, 2), k + 1);
            EXPECT_EQ(field(line, 20 + k * l.block + 2, 1), k == 0 ? 1 : 0);  // only 1R has a result
        }
        const auto& entries = hanshin.races[0].result.of(l.kind);
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const int at = 24 + static_cast<int>(e) * l.entryWidth;
            EXPECT_EQ(field(line, at, l.kind == Kind::Quinella ? 3 : 2), entries[e].first);
            if (l.secondWidth) {
                EXPECT_EQ(field(line, at + l.secondAt, l.secondWidth), entries[e].second);
            }
            EXPECT_EQ(field(line, at + l.payoutAt, 7), entries[e].payout);
        }
        EXPECT_EQ(field(line, 24 + static_cast<int>(entries.size()) * l.entryWidth, 2), 0);  // empty entry
    }
    // The dead heat of 1R: the second 単勝 entry.
    const std::string win = formatPayoutLine(day, hanshin, Kind::Win, 1700);
    EXPECT_EQ(field(win, 34, 2), 2);
    EXPECT_EQ(field(win, 37, 7), 350);

    // Before the result is out the race's flag stays 0 and no entry is shown.
    const std::string early = formatPayoutLine(day, hanshin, Kind::Win, 1019);
    EXPECT_EQ(field(early, 22, 1), 0);
    EXPECT_EQ(field(early, 24, 2), 0);
}

TEST(RaceCardFiles, ClientCardsAndRaceCardLines) {
    Day day = smallDay();
    day.meetings[0].nichime = 8;
    const Meeting& tokyo = day.meetings[0];
    EXPECT_EQ(raceCardFileName(tokyo, 10), "De-58a.Jra");
    EXPECT_EQ(raceCardFileName(tokyo, 2), "De-582.Jra");

    const auto card = formatRaceCard(day, tokyo, 2);
    ASSERT_EQ(card.size(), 13u);  // heading and twelve horses
    EXPECT_EQ(bytes(card[0], 8, 4), "東京");
    EXPECT_EQ(field(card[0], 16, 2), 5);
    EXPECT_EQ(field(card[0], 18, 2), 8);
    EXPECT_EQ(field(card[0], 22, 4), 1030);
    EXPECT_EQ(bytes(card[10], 25, 4), "取消");   // horse 10
    EXPECT_EQ(field(card[10], 0, 2), 7);        // its bracket
    EXPECT_LE(card[1].size(), 29u);

    const std::string den = formatDenLine(day, day.meetings[1], 1);
    EXPECT_EQ(field(den, 0, 2), 9);
    EXPECT_EQ(field(den, 4, 1), 5);
    EXPECT_EQ(field(den, 5, 1), 3);
    EXPECT_EQ(field(den, 6, 2), 1);
    EXPECT_EQ(field(den, 8, 4), 1205);
    EXPECT_EQ(field(den, 13, 4), 1010);
}

// The fixed-column readers: FieldInt and the layouts of the terms file and
// the vote-log record.
#include <gtest/gtest.h>

#include <string>

#include "support/client_files.h"
#include "clientdata/field_int.h"
#include "clientdata/terms_file.h"
#include "clientdata/vote_log_record.h"

namespace clientdata {
namespace {

using testsupport::VoteEntry;

TEST(FieldInt, ReadsTheFieldAsAtoiDoes) {
    EXPECT_EQ(FieldInt("2024061512", 0, 4), 2024);
    EXPECT_EQ(FieldInt("2024061512", 4, 2), 6);
    EXPECT_EQ(FieldInt("  -42xyz", 0, 8), -42);  // blanks, sign, up to the first non-digit
    EXPECT_EQ(FieldInt("+7", 0, 2), 7);
    EXPECT_EQ(FieldInt("12 34", 0, 5), 12);
    EXPECT_EQ(FieldInt("abc", 0, 3), 0);
    EXPECT_EQ(FieldInt("    ", 0, 4), 0);
    EXPECT_EQ(FieldInt("-", 0, 1), 0);
    EXPECT_EQ(FieldInt("12\n", 0, 4), 12);
}

TEST(FieldInt, StaysWithinTheFieldAndTheLine) {
    EXPECT_EQ(FieldInt("123456", 1, 2), 23);   // the digits after the field are not taken
    EXPECT_EQ(FieldInt("12", 1, 4), 2);        // cut short at the end of the line
    EXPECT_EQ(FieldInt("12", 2, 4), 0);        // wholly beyond the line
    EXPECT_EQ(FieldInt("12", 5000, 4), 0);
    EXPECT_EQ(FieldInt("", 0, 4), 0);
    const std::string buffer = "0012345";      // bytes after the line's end are never read
    EXPECT_EQ(FieldInt(std::string_view(buffer).substr(0, 3), 0, 6), 1);
    EXPECT_EQ(FieldInt("東京05", 4, 2), 5);    // a double-byte character takes two columns
    EXPECT_EQ(FieldInt("99999999999", 0, 11), 2147483647);  // saturates instead of overflowing
}

TEST(TermsLine, FourteenRaceBlocksAtTheirColumns) {
    // Every race block gets its own pattern, so a block read at the wrong
    // offset shows; the last code of race 14 is at column 572.
    testsupport::FixedLine line(573, '0');
    for (int k = 0; k < 14; ++k) {
        line.number(69 + 2 * k, 2, k + 1);
        const int block = 97 + 34 * k;
        for (int j = 0; j <= k && j < 18; ++j) line.number(block + j, 1, 7);   // k + 1 runners
        line.number(block + 18 + k % 8, 1, 5);                                  // one bracket
        line.number(block + 26 + (7 - k % 8), 1, 7);                            // one same-bracket pair
    }
    line.number(572, 1, 9);
    base::MeetingTerms slot;
    slot.races[3].startTime = 1525;  // start times are not the terms file's business
    ParseMeeting(line.str(), ParseTermsHeader(line.str()), slot);
    for (int k = 0; k < 14; ++k) {
        SCOPED_TRACE(k);
        const base::RaceTerms& r = slot.races[k];
        EXPECT_EQ(r.raceSaleCode, k + 1);
        EXPECT_EQ(r.runnerCount, k + 1);
        EXPECT_EQ(r.horseSaleCodes[k], 7);
        if (k + 1 < 18) {
            EXPECT_EQ(r.horseSaleCodes[k + 1], 0);
        }
        EXPECT_EQ(r.bracketSaleCodes[k % 8], 5);
        EXPECT_EQ(r.sameBracketSaleCodes[7 - k % 8], 7);
    }
    EXPECT_EQ(slot.races[13].sameBracketSaleCodes[7], 9);
    EXPECT_EQ(slot.races[3].startTime, 1525);
}

TEST(TermsLine, ShortLineLeavesTheMissingBlocksZero) {
    testsupport::TermsValues values;
    std::string line = testsupport::termsLine(values).str().substr(0, 97 + 34);  // race 1's block only
    base::MeetingTerms slot;
    slot.races[5].runnerCount = 9;
    ParseMeeting(line, ParseTermsHeader(line), slot);
    EXPECT_EQ(slot.races[0].runnerCount, 9);  // 8 + 1 % 7
    EXPECT_EQ(slot.races[5].raceSaleCode, 7);
    EXPECT_EQ(slot.races[5].runnerCount, 0);
}

TEST(VoteLogRecord, TotalsAndEntries) {
    VoteEntry single{2, 3, 6, 1, 1, 0, 5, 5, 1, 0};
    VoteEntry pair{1, 0, 5, 11, 4, 3, 12, 10, 0, 1};
    VoteLogRecord r = ParseVoteLogRecord(testsupport::voteLogLine(12, {pair, single}, 15, 280, 1200).str());
    EXPECT_EQ(r.receiptNo, 12);
    EXPECT_EQ(r.entryCount, 2);
    EXPECT_EQ(r.purchaseUnits, 15);
    EXPECT_EQ(r.betsRemaining, 280);
    EXPECT_EQ(r.availableUnits, 1200);
    ASSERT_EQ(r.entries.size(), 2u);
    const VoteLogEntry& e = r.entries[1];
    EXPECT_EQ(e.lineNo, 2);
    EXPECT_EQ(e.digit3, 3);
    EXPECT_EQ(e.venueCode, 6);
    EXPECT_EQ(e.race, 1);
    EXPECT_EQ(e.kind, 1);
    EXPECT_EQ(e.first, 0);
    EXPECT_EQ(e.second, 5);
    EXPECT_EQ(e.amountUnits, 5);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.digit18, 0);
}

TEST(VoteLogRecord, EntryCountAboveFiftyStopsAtTheLastSlot) {
    std::vector<VoteEntry> entries(50);
    for (int i = 0; i < 50; ++i) entries[i].lineNo = i + 1;
    VoteLogRecord r = ParseVoteLogRecord(testsupport::voteLogLine(3, entries, 50, 250, 900, 99).str());
    EXPECT_EQ(r.entryCount, 99);
    ASSERT_EQ(r.entries.size(), 50u);
    EXPECT_EQ(r.entries[49].lineNo, 50);
    EXPECT_EQ(r.entries[49].kind, 4);

    // A count larger than the line holds: missing slots read as empty entries.
    std::string shortLine = testsupport::voteLogLine(3, {VoteEntry{}}, 10, 299, 990, 3).str().substr(0, 60);
    r = ParseVoteLogRecord(shortLine);
    ASSERT_EQ(r.entries.size(), 3u);
    EXPECT_EQ(r.entries[0].kind, 4);
    EXPECT_EQ(r.entries[2].kind, 0);
    EXPECT_EQ(r.purchaseUnits, 0);
}

}  // namespace
}  // namespace clientdata

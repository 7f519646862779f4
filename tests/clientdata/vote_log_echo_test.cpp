// The lines a loaded vote log adds to the bet log, byte for byte.
#include <gtest/gtest.h>

#include "clientdata/vote_log_echo.h"
#include "support/support.h"

namespace clientdata {
namespace {

using testsupport::u8;

VoteLogEntry entry(int kind, int venue, int first, int second, int units, int status = 0) {
    VoteLogEntry e;
    e.lineNo = 1;
    e.digit3 = 2;
    e.venueCode = venue;
    e.race = 11;
    e.kind = kind;
    e.first = first;
    e.second = second;
    e.amountUnits = units;
    e.status = status;
    e.digit18 = 3;
    return e;
}

TEST(VoteLogEcho, PairKindsShowBothNumbers) {
    EXPECT_EQ(u8(VoteLogEntryLine(entry(4, 5, 3, 12, 10))), u8(" 1 2 東京 11R 馬連 03-12   1000 受 3\n"));
    EXPECT_EQ(u8(VoteLogEntryLine(entry(3, 8, 1, 8, 200, 3))), u8(" 1 2 京都 11R 枠連 01-08  20000 〆 3\n"));
}

TEST(VoteLogEcho, SingleKindsShowFourBlanksAndTheNumber) {
    VoteLogEntry e = entry(1, 6, 0, 5, 5, 1);
    e.lineNo = 12;
    e.race = 1;
    EXPECT_EQ(u8(VoteLogEntryLine(e)), u8("12 2 中山  1R 単勝    05    500 未 3\n"));
    EXPECT_EQ(u8(VoteLogEntryLine(entry(2, 7, 9, 14, 1, 2))), u8(" 1 2 中京 11R 複勝    14    100 ？ 3\n"));
}

TEST(VoteLogEcho, OddCodesStayInsideTheirTables) {
    // Venue codes outside 1..10 show a blank name; statuses above 7 show ７.
    EXPECT_EQ(u8(VoteLogEntryLine(entry(4, 0, 1, 2, 1))), u8(" 1 2      11R 馬連 01-02    100 受 3\n"));
    EXPECT_EQ(u8(VoteLogEntryLine(entry(4, 11, 1, 2, 1, 9))), u8(" 1 2      11R 馬連 01-02    100 ７ 3\n"));
    EXPECT_EQ(u8(VoteLogEntryLine(entry(1, 99, 0, 2, 1, 7))), u8(" 1 2      11R 単勝    02    100 ７ 3\n"));
    // Kinds other than 1..4 write nothing.
    EXPECT_EQ(VoteLogEntryLine(entry(0, 5, 1, 2, 1)), "");
    EXPECT_EQ(VoteLogEntryLine(entry(5, 5, 1, 2, 1)), "");
}

TEST(VoteLogEcho, AvailableLine) {
    VoteLogRecord r{12, 2, 15, 280, 1200, {}};
    EXPECT_EQ(u8(VoteLogAvailableLine(r)), u8("投票可能     120000円 / 280ﾍﾞｯﾄ 受付番号#0012\n"));
}

}  // namespace
}  // namespace clientdata

// The timer-bet file's name, the date and time its dialog proposes, and the
// lines written from the bet list.
#include <gtest/gtest.h>

#include "betdata/bet_list_memory.h"
#include "client_dir_fixture.h"
#include "clientdata/timer_bet_file.h"
#include "support/support.h"

namespace clientdata {
namespace {

using testsupport::u8;

class TimerBetTest : public clienttest::ClientDirTest {
protected:
    static std::string proposed(std::int64_t now, int headerMonth = 0, int headerDay = 0) {
        const TimerBetMoment m = ProposedTimerBetMoment(now, headerMonth, headerDay);
        char text[32];
        std::snprintf(text, sizeof text, "%02d-%02d-%02d %02d:%02d", m.year, m.month, m.day, m.hour, m.minute);
        return text;
    }
    // The file's bytes for the list's lines (the final empty line left out).
    std::string written(const std::string& listText, const TimerBetMoment& moment) {
        betdata::MemoryBetList list(listText);
        plat::TextFile file;
        EXPECT_TRUE(file.open(betDir() + "out.bet", plat::TextFile::Mode::Write));
        EXPECT_TRUE(WriteTimerBetLines(file, list, list.lineCount() - 1, moment));
        file.close();
        return testsupport::readBytes(betDir() + "out.bet");
    }
};

TEST_F(TimerBetTest, TheNameCarriesTheMonthInHexadecimal) {
    EXPECT_EQ(TimerBetFileName(10, 25, 9, 40), "TA250940.BET");
    EXPECT_EQ(TimerBetFileName(12, 6, 16, 5), "TC061605.BET");
    EXPECT_EQ(TimerBetFileName(1, 31, 9, 0), "T1310900.BET");
}

TEST_F(TimerBetTest, TheProposalIsTheComingRaceDay) {
    // 2 December 1998 was a Wednesday.
    EXPECT_EQ(proposed(at(1998, 12, 2, 20, 15)), "98-12-05 09:40");
    EXPECT_EQ(proposed(at(1998, 12, 4, 23, 59)), "98-12-05 09:40");  // Friday
    EXPECT_EQ(proposed(at(1998, 12, 7, 0, 1)), "98-12-12 09:40");    // Monday
    EXPECT_EQ(proposed(at(1998, 12, 30, 10, 0)), "99-01-02 09:40");  // into the next year
    // Saturday: the present minute in the morning, 9:40 in the afternoon,
    // Sunday's 9:40 from 16:00.
    EXPECT_EQ(proposed(at(1998, 12, 5, 10, 25)), "98-12-05 10:25");
    EXPECT_EQ(proposed(at(1998, 12, 5, 12, 59)), "98-12-05 12:59");
    EXPECT_EQ(proposed(at(1998, 12, 5, 13, 0)), "98-12-05 09:40");
    EXPECT_EQ(proposed(at(1998, 12, 5, 15, 59)), "98-12-05 09:40");
    EXPECT_EQ(proposed(at(1998, 12, 5, 17, 0)), "98-12-06 09:40");
    EXPECT_EQ(proposed(at(2000, 12, 30, 16, 0)), "00-12-31 09:40");
    // Sunday: the present minute.
    EXPECT_EQ(proposed(at(1998, 12, 6, 14, 5)), "98-12-06 14:05");
}

TEST_F(TimerBetTest, TheLastImportsHeaderGivesTheMonthAndDay) {
    EXPECT_EQ(proposed(at(1999, 1, 6, 12, 0), 12, 6), "99-12-06 09:40");
    EXPECT_EQ(proposed(at(1999, 1, 6, 12, 0), 12, 0), "99-01-09 09:40");  // no header day: none
}

TEST_F(TimerBetTest, OneHeadingPerVenueThenOneLinePerBet) {
    const std::string list =
        "001: 東京 11R 馬連 03-05     1000\r\n"
        "002: 東京 12R 単勝    07      500\r\n"
        "003: 京都  1R 複勝    12      300\r\n"
        "004: 京都  2R 枠連 01-08    20000\r\n"
        "005: 東京  3R 単勝    01      100\r\n";
    EXPECT_EQ(u8(written(list, {98, 12, 5, 9, 40})),
              u8("\r\n東京 98年 12月  5日\r\n\r\n"
                 " 11R 馬連 03-05    1.0     1000\r\n"
                 " 12R 単勝  7    1.0      500\r\n"
                 "\r\n京都 98年 12月  5日\r\n\r\n"
                 "  1R 複勝 12    1.0    1.0      300\r\n"
                 "  2R 枠連 01-08    1.0    20000\r\n"
                 "\r\n東京 98年 12月  5日\r\n\r\n"
                 "  3R 単勝  1    1.0      100\r\n"));
}

TEST_F(TimerBetTest, LinesThatDoNotReadBackWriteNoBet) {
    const std::string list =
        "東京 11R 馬連 3-5 1000\r\n"          // not a canonical line: skipped whole
        "001: 中山 11R 三連 03-05     1000\r\n"  // unknown kind: its heading only
        "002: 中山 12R 馬連 03\r\n"              // incomplete
        "003: 中山 12R 単勝    07      500\r\n"
        "004: 東京 1R 単勝 xx\r\n";              // another venue: its heading
    EXPECT_EQ(u8(written(list, {8, 1, 5, 16, 0})),
              u8("\r\n中山  8年  1月  5日\r\n\r\n"
                 " 12R 単勝  7    1.0      500\r\n"
                 "\r\n東京  8年  1月  5日\r\n\r\n"));
}

}  // namespace
}  // namespace clientdata

// The venue-header format: headers with date and meeting, several bets per
// data line, odds, total lines.
#include <gtest/gtest.h>

#include "betdata/importers/venue_header_importer.h"
#include "recording_import_host.h"
#include "support/support.h"

using betdata::ImportEnd;
using importtest::RecordingImportHost;
using importtest::stagedLines;
using testsupport::u8;

namespace {

const std::string kTwoVenues =
    "東京 98年12月 5日 5回 2日\r\n"
    " 9R 単勝  7  12.5   300    9R 複勝  7  1.2  2.0   500\r\n"
    "10R 馬連  3-5  1000\r\n"
    "    枠連  1-8  12.3  500\r\n"
    "11R 馬連  3-5  24.5  1000   12R 単勝  2  300\r\n"
    "合計     6点   3600円\r\n"
    "阪神 98年12月 5日 5回 2日\r\n"
    " 1R 複勝  4  0\r\n"
    " 2R 複勝 11  200\r\n";

TEST(VenueHeaderImport, ReadsEveryBetOfEveryLineWithTheHeadersVenue) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    host.count = 2;  // two lines already in the list
    const auto lines = stagedLines(kTwoVenues);
    EXPECT_EQ(ImportEnd::Completed, betdata::ImportVenueHeaderText(lines, host));
    EXPECT_EQ(u8("003: 東京  9R 単勝    07      300\r\n"
                 "004: 東京  9R 複勝    07      500\r\n"
                 "005: 東京 10R 馬連 03-05     1000\r\n"
                 "006: 東京 10R 枠連 01-08      500\r\n"
                 "007: 東京 11R 馬連 03-05     1000\r\n"
                 "008: 東京 12R 単勝    02      300\r\n"
                 "009: 阪神  2R 複勝    11      200\r\n"),
              u8(host.betList));
    EXPECT_EQ(9, host.count);
    EXPECT_EQ(3800, host.total);
    EXPECT_EQ(1, host.statusShown);  // the total line
    EXPECT_TRUE(host.asked.empty());
    EXPECT_EQ(12, host.headerMonth);
    EXPECT_EQ(5, host.headerDay);
    EXPECT_EQ(7, host.appendCalls);  // written line by line
}

TEST(VenueHeaderImport, KindAndRaceCarryOverAndNothingIsWrittenBeforeAKind) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    const auto lines = stagedLines(
        "東京 98年12月 5日 5回 2日\r\n"
        " 5R  3 200\r\n"          // no kind yet: nothing
        " 6R 単勝 3 200\r\n"
        "  8 400\r\n"             // race 6 and 単勝 kept
        " 7R 9 100\r\n");         // 単勝 kept, race 7
    betdata::ImportVenueHeaderText(lines, host);
    EXPECT_EQ(u8("001: 東京  6R 単勝    03      200\r\n"
                 "002: 東京  6R 単勝    08      400\r\n"
                 "003: 東京  7R 単勝    09      100\r\n"),
              u8(host.betList));
}

TEST(VenueHeaderImport, EachBetIsReadWithItsOwnOdds) {
    // The odds of a later bet on the line do not change how an earlier one
    // is read (its amount is not taken from the next race number).
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    const auto lines = stagedLines(
        "東京 98年12月 5日 5回 2日\r\n"
        "11R 馬連 3-5 1000  12R 単勝 7 12.5 300\r\n"
        " 9R 複勝 7 1.2 500  10R 複勝 3 1.5 2.5 300\r\n");
    betdata::ImportVenueHeaderText(lines, host);
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n"
                 "002: 東京 12R 単勝    07      300\r\n"
                 "003: 東京  9R 複勝    07      500\r\n"
                 "004: 東京 10R 複勝    03      300\r\n"),
              u8(host.betList));
}

TEST(VenueHeaderImport, HeaderNumbersAreTheTwoBytesBeforeEachKanji) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 2, 15);
    // "12 月" reads as 2 and " 15日" as 15: no question.
    const auto lines = stagedLines("中山 98年12 月15日 1回 4日\r\n 1R 単勝 1 100\r\n");
    EXPECT_EQ(ImportEnd::Completed, betdata::ImportVenueHeaderText(lines, host));
    EXPECT_TRUE(host.asked.empty());
    EXPECT_EQ(2, host.headerMonth);
    EXPECT_EQ(15, host.headerDay);
    EXPECT_EQ(u8("001: 中山  1R 単勝    01      100\r\n"), u8(host.betList));
}

TEST(VenueHeaderImport, DateQuestionYesSkipsTheHeadersLaterChecksAndNoCancels) {
    const auto lines = stagedLines(kTwoVenues);
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1997, 11, 4);  // year, month, day all differ
        host.answers = {true, true};
        EXPECT_EQ(ImportEnd::Completed, betdata::ImportVenueHeaderText(lines, host));
        // One question per header, then its remaining checks are skipped.
        EXPECT_EQ((std::vector<int>{8137, 8137}), host.asked);
        EXPECT_EQ(7, host.count);
    }
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        host.mutableTerms().termsDay = 6;
        host.answers = {true, false};  // second header: No
        EXPECT_EQ(ImportEnd::Cancelled, betdata::ImportVenueHeaderText(lines, host));
        EXPECT_EQ(6, host.count);  // the first venue's lines stay
        EXPECT_EQ(std::string::npos, host.betList.find("阪神"));
    }
}

TEST(VenueHeaderImport, MeetingChecksAndVenueNotHeldWhileTermsAreInForce) {
    const auto lines = stagedLines(kTwoVenues);
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 3);  // 東京 5回 3日目
        importtest::addMeeting(host.mutableTerms(), 1, 9, 5, 2);
        host.answers = {false};
        EXPECT_EQ(ImportEnd::Cancelled, betdata::ImportVenueHeaderText(lines, host));
        EXPECT_EQ((std::vector<int>{8138}), host.asked);
        EXPECT_TRUE(host.betList.empty());
    }
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 2);  // 阪神 not held
        EXPECT_EQ(ImportEnd::Stopped, betdata::ImportVenueHeaderText(lines, host));
        EXPECT_EQ((std::vector<int>{8136}), host.told);
        EXPECT_EQ(6, host.count);  // 東京's lines stay
    }
    {
        // Terms not in force: meetings are not compared.
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        EXPECT_EQ(ImportEnd::Completed, betdata::ImportVenueHeaderText(lines, host));
        EXPECT_TRUE(host.asked.empty());
        EXPECT_TRUE(host.told.empty());
    }
}

TEST(VenueHeaderImport, LinesStopWhenTheDaysBetsAreUsedUp) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 2);
    importtest::addMeeting(host.mutableTerms(), 1, 9, 5, 2);
    host.mutableTerms().betsRemaining = 4;
    host.count = 1;
    betdata::ImportVenueHeaderText(stagedLines(kTwoVenues), host);
    EXPECT_EQ(4, host.count);
    EXPECT_EQ(u8("002: 東京  9R 単勝    07      300\r\n"
                 "003: 東京  9R 複勝    07      500\r\n"
                 "004: 東京 10R 馬連 03-05     1000\r\n"),
              u8(host.betList));
    EXPECT_EQ(1800, host.total);  // dropped lines add nothing
}

// Before the day's terms are in force, betsRemaining says nothing of today
// (0 until terms of a new date are read, or yesterday's count): the day is
// taken whole, so a paste loses no line.
TEST(VenueHeaderImport, BeforeTheTermsAreKnownTheDayIsTakenWhole) {
    for (const int remaining : {0, 2}) {
        RecordingImportHost host;
        host.mutableTerms().betsRemaining = remaining;
        betdata::ImportVenueHeaderText(stagedLines(kTwoVenues), host);
        EXPECT_EQ(7, host.count) << remaining;
    }
    RecordingImportHost full;
    full.count = base::kBetsPerDay - 1;
    betdata::ImportVenueHeaderText(stagedLines(kTwoVenues), full);
    EXPECT_EQ(base::kBetsPerDay, full.count) << "a day holds 300 bets";
}

// The written lines are read again by the list's grammar, where a number
// below 100 is a horse (or nothing) and a minus sign only a marker: a stake
// under 100 yen or a negative number would come back as another bet.
TEST(VenueHeaderImport, OnlyBetsThatReadBackAsWrittenAreWritten) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    betdata::ImportVenueHeaderText(stagedLines("東京 98年12月 5日 5回 2日\r\n"
                                               " 9R 単勝  7  10\r\n"
                                               " 9R 単勝  8  -500\r\n"
                                               " 9R 単勝  -3  500\r\n"
                                               " 9R 馬連  3-5  50\r\n"
                                               " 9R 馬連  3-19  500\r\n"
                                               " 9R 単勝  9  100\r\n"),
                                   host);
    EXPECT_EQ(u8("001: 東京  9R 単勝    09      100\r\n"), u8(host.betList));
    EXPECT_EQ(1, host.count);
    EXPECT_EQ(100, host.total);
}

TEST(VenueHeaderImport, ALineLongerThanItsBufferIsCut) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    std::string longLine;
    while (longLine.size() < 3000) longLine += " 1R 単勝  1   100";  // 17 bytes a bet
    betdata::ImportVenueHeaderText(stagedLines("東京 98年12月 5日 5回 2日\r\n" + longLine), host);
    EXPECT_EQ(2559 / 17, host.count);  // only whole bets of the first 2559 bytes
}

}  // namespace

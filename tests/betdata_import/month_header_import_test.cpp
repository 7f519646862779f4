// The month-header format: a date and meeting header, one bet per line in
// fixed columns.
#include <gtest/gtest.h>

#include <algorithm>

#include "betdata/importers/month_header_importer.h"
#include "recording_import_host.h"
#include "support/support.h"

using betdata::ImportEnd;
using importtest::RecordingImportHost;
using importtest::stagedLines;
using testsupport::u8;

namespace {

// Columns: race 0..2, kind 6..9, numbers 15..19, amount from 30.
const std::string kSample =
    "12月 5日 5回東京 2日\r\n"
    "11R   馬連     3- 5           1000\r\n"
    "      枠連     1- 8            500\r\n"
    "               2- 4            300\r\n"
    "12R   単勝     7               200\r\n"
    "12R   複勝     12              0\r\n"
    "12月 5日 5回阪神 2日\r\n"
    " 3r   複勝     14              700\r\n";

TEST(MonthHeaderImport, ReadsTheColumnsAndAppendsAllLinesTogether) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    EXPECT_EQ(ImportEnd::Completed, betdata::ImportMonthHeaderText(stagedLines(kSample), host));
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n"
                 "002: 東京 11R 枠連 01-08      500\r\n"
                 "003: 東京 11R 枠連 02-04      300\r\n"
                 "004: 東京 12R 単勝    07      200\r\n"
                 "005: 阪神  3R 複勝    14      700\r\n"),
              u8(host.betList));
    EXPECT_EQ(1, host.appendCalls);
    EXPECT_EQ(5, host.count);
    EXPECT_EQ(12, host.headerMonth);
    EXPECT_EQ(5, host.headerDay);
}

TEST(MonthHeaderImport, QuestionsAndVenueChecks) {
    {
        // A differing day asks once; Yes keeps the import going.
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 6);
        importtest::addMeeting(host.mutableTerms(), 0, 5, 4, 1);
        host.answers = {true, false};
        EXPECT_EQ(ImportEnd::Cancelled,
                  betdata::ImportMonthHeaderText(stagedLines(kSample), host));
        EXPECT_EQ((std::vector<int>{8137, 8137}), host.asked);
        EXPECT_EQ(4, host.count);  // the first meeting's lines are still appended
        EXPECT_EQ(4u, static_cast<std::size_t>(std::count(host.betList.begin(), host.betList.end(), '\n')));
    }
    {
        // The meeting day is the single digit before 日 after 回.
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 2);
        importtest::addMeeting(host.mutableTerms(), 1, 9, 5, 1);
        host.answers = {true};
        EXPECT_EQ(ImportEnd::Completed,
                  betdata::ImportMonthHeaderText(stagedLines(kSample), host));
        EXPECT_EQ((std::vector<int>{8138}), host.asked);
    }
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        importtest::addMeeting(host.mutableTerms(), 0, 6, 5, 2);  // 東京 not held
        EXPECT_EQ(ImportEnd::Stopped, betdata::ImportMonthHeaderText(stagedLines(kSample), host));
        EXPECT_EQ((std::vector<int>{8136}), host.told);
        EXPECT_TRUE(host.betList.empty());
    }
}

TEST(MonthHeaderImport, NoLinesWithoutAVenue) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    betdata::ImportMonthHeaderText(
        stagedLines("12月 5日\r\n11R   馬連     3- 5           1000\r\n"), host);
    EXPECT_TRUE(host.betList.empty());
    EXPECT_EQ(0, host.count);
}

}  // namespace

// The FHWARS focus and Dbmn formats: full-width headers, fixed cells,
// two-digit bracket entries, agreement counts.
#include <gtest/gtest.h>

#include "betdata/importers/dbmn_importer.h"
#include "betdata/importers/fhwars_importer.h"
#include "recording_import_host.h"
#include "support/support.h"

using betdata::ImportEnd;
using importtest::RecordingImportHost;
using importtest::stagedLines;
using testsupport::u8;

namespace {

// Columns: race 0..2, focus horse 5..6, cells of 5 bytes at 8, 14, 20, ...
const std::string kFhwars =
    "東京　１９９８年　５回　２日目　１２月　５日　[12]\r\n"
    " 1R   3  3- 5  3- 8  5- 8\r\n"
    "11R  12  3-12  5-12 12-14   36   18\r\n"
    "12R   7  1- 7\r\n"
    "13R   1  1- 2\r\n"
    "中山　１９９８年　５回　２日目　１２月　５日　[12]\r\n"
    " 2R      4- 6\r\n";

TEST(FhwarsImport, PairsFromTheCellsAndTwoDigitEntriesAsBrackets) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    host.fhwars.pairAmount = 200;
    EXPECT_EQ(ImportEnd::Completed, betdata::ImportFhwarsText(stagedLines(kFhwars), host.fhwars, host));
    EXPECT_EQ(u8("001: 東京  1R 馬連 03-05      200\r\n"
                 "002: 東京  1R 馬連 03-08      200\r\n"
                 "003: 東京  1R 馬連 05-08      200\r\n"
                 "004: 東京 11R 馬連 03-12      200\r\n"
                 "005: 東京 11R 馬連 05-12      200\r\n"
                 "006: 東京 11R 馬連 12-14      200\r\n"
                 "007: 東京 11R 枠連 03-06      200\r\n"
                 "008: 東京 11R 枠連 01-08      200\r\n"
                 "009: 東京 12R 馬連 01-07      200\r\n"
                 "010: 中山  2R 馬連 04-06      200\r\n"),
              u8(host.betList));
    EXPECT_EQ(1, host.appendCalls);
    EXPECT_TRUE(host.asked.empty());
}

TEST(FhwarsImport, FocusHorseAsWinAndPlaceAndBracketRacesWhileTermsAreInForce) {
    RecordingImportHost host;
    importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
    importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 2, /*raceSaleCode=*/7);
    importtest::addMeeting(host.mutableTerms(), 2, 6, 5, 2);
    host.fhwars = {.takePairs = 1, .takeWin = 1, .takePlace = 1, .pairAmount = 100,
                   .winAmount = 300, .placeAmount = 500};
    const auto lines = stagedLines(kFhwars);
    betdata::ImportFhwarsText(std::span(lines).first(3), host.fhwars, host);
    EXPECT_EQ(u8("001: 東京  1R 単勝    03      300\r\n"
                 "002: 東京  1R 複勝    03      500\r\n"
                 "003: 東京  1R 枠連 03-05      100\r\n"
                 "004: 東京  1R 枠連 03-08      100\r\n"
                 "005: 東京  1R 枠連 05-08      100\r\n"
                 "006: 東京 11R 単勝    12      300\r\n"
                 "007: 東京 11R 複勝    12      500\r\n"
                 "008: 東京 11R 枠連 03-12      100\r\n"
                 "009: 東京 11R 枠連 05-12      100\r\n"
                 "010: 東京 11R 枠連 12-14      100\r\n"
                 "011: 東京 11R 枠連 03-06      100\r\n"
                 "012: 東京 11R 枠連 01-08      100\r\n"),
              u8(host.betList));
}

TEST(FhwarsImport, HeaderChecks) {
    {
        // Month and day compared even without terms in force; No cancels
        // and the lines gathered so far are still appended.
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        std::string text = kFhwars;
        text.replace(text.rfind("５日"), 4, "６日");
        host.answers = {false};
        EXPECT_EQ(ImportEnd::Cancelled, betdata::ImportFhwarsText(stagedLines(text), host.fhwars, host));
        EXPECT_EQ((std::vector<int>{8137}), host.asked);
        EXPECT_EQ(9, host.count);
    }
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 1);
        host.answers = {true};
        EXPECT_EQ(ImportEnd::Stopped, betdata::ImportFhwarsText(stagedLines(kFhwars), host.fhwars, host));
        EXPECT_EQ((std::vector<int>{8138}), host.asked);  // 2日目 against 1
        EXPECT_EQ((std::vector<int>{8002}), host.told);   // 中山 not held
        EXPECT_EQ(9, host.count);
    }
    {
        // A header naming no venue is refused with the lines under it.
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        betdata::ImportFhwarsText(
            stagedLines("大井 1998年 5回 2日目 12月 5日 [12]\r\n 1R   3  3- 5\r\n"), host.fhwars, host);
        EXPECT_TRUE(host.betList.empty());
    }
}

const std::string kDbmn =
    "東京【１１Ｒ】  +++ ダブマン集計 +++\r\n"
    "  <15ｿﾌﾄ >03-05[ 45]\r\n"
    "  <12ｿﾌﾄ >03-08[ 38]\r\n"
    "  <9ｿﾌﾄ >05-08[ 30]\r\n"
    "  <8ｿﾌﾄ >01-03[ 22]\r\n"
    "  <10ｿﾌﾄ >36[ 12]\r\n"
    "京都【１２Ｒ】  +++ ダブマン集計 +++\r\n"
    "  <11ｿﾌﾄ >02-07[ 40]\r\n";

TEST(DbmnImport, PairsChosenOftenEnoughWithTheChosenAmount) {
    RecordingImportHost host;
    host.dbmn = {.minAgreement = 9, .amount = 300};
    EXPECT_EQ(ImportEnd::Completed, betdata::ImportDbmnText(stagedLines(kDbmn), host.dbmn, host));
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05      300\r\n"
                 "002: 東京 11R 馬連 03-08      300\r\n"
                 "003: 東京 11R 馬連 05-08      300\r\n"
                 "004: 東京 11R 枠連 03-06      300\r\n"
                 "005: 京都 12R 馬連 02-07      300\r\n"),
              u8(host.betList));
    EXPECT_EQ(1, host.appendCalls);
}

TEST(DbmnImport, VenueNotHeldStopsAndKeepsWhatWasGathered) {
    RecordingImportHost host;
    importtest::addMeeting(host.mutableTerms(), 0, 5, 5, 2);
    host.dbmn = {.minAgreement = 12, .amount = 100};
    EXPECT_EQ(ImportEnd::Stopped, betdata::ImportDbmnText(stagedLines(kDbmn), host.dbmn, host));
    EXPECT_EQ((std::vector<int>{8002}), host.told);
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05      100\r\n"
                 "002: 東京 11R 馬連 03-08      100\r\n"),
              u8(host.betList));
}

TEST(DbmnImport, DataLinesBeforeAValidHeaderAreIgnored) {
    RecordingImportHost host;
    const auto lines = stagedLines(
        "  <15ｿﾌﾄ >03-05[ 45]\r\n"
        "東京【ＸＸＲ】  +++\r\n"  // no race: ignored
        "  <15ｿﾌﾄ >03-06[ 45]\r\n"
        "東京【１３Ｒ】  +++\r\n"  // race out of range
        "  <15ｿﾌﾄ >03-07[ 45]\r\n");
    betdata::ImportDbmnText(lines, host.dbmn, host);
    EXPECT_TRUE(host.betList.empty());
}

}  // namespace

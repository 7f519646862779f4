// Recognising the staged text's format, the dispatcher's steps, and the
// digit normalisation the headers go through.
#include <gtest/gtest.h>

#include "betdata/import_format.h"
#include "betdata/import_staged.h"
#include "betdata/normalize_wide_digits.h"
#include "recording_import_host.h"
#include "support/support.h"

using betdata::StagedFormat;
using importtest::RecordingImportHost;
using importtest::stagedLines;
using testsupport::u8;

namespace {

TEST(NormalizeWideDigits, DigitsShrinkSpacesWidenAndTheWalkStopsAtABracket) {
    std::string text = "東京　１２月５日[１２]";
    betdata::NormalizeWideDigits(text);
    EXPECT_EQ(u8("東京  12月5日[１２]"), u8(text));
    // A trail byte equal to '[' does not stop the walk; a lone lead byte at
    // the end is kept.
    std::string tricky = "\x83[１\x82";
    betdata::NormalizeWideDigits(tricky);
    EXPECT_EQ("\x83[1\x82", tricky);
}

StagedFormat recognise(const std::string& text) {
    return betdata::RecogniseStagedText(stagedLines(text));
}

TEST(RecogniseStagedText, TheFirstRecognisedLineDecides) {
    EXPECT_EQ(StagedFormat::VenueHeader, recognise("東京 98年12月 5日 5回 2日\r\n 1R 単勝 1 100"));
    EXPECT_EQ(StagedFormat::VenueHeader, recognise("東京 98年 5回 2日"));
    EXPECT_EQ(StagedFormat::MonthHeader, recognise("\r\n 12月 5日 5回東京 2日"));
    EXPECT_EQ(StagedFormat::FhwarsFocus, recognise("東京　１９９８年　５回　２日目　１２月　５日"));
    EXPECT_EQ(StagedFormat::Dbmn, recognise("阪神【１Ｒ】  +++"));
    EXPECT_EQ(StagedFormat::Plain, recognise("東京 11R 馬連 3-5 1000\r\n001: 東京 11R 馬連 03-05     1000"));
    // A line with 日目 that is no FHWARS header is not tried as anything
    // else; the next line still decides.
    EXPECT_EQ(StagedFormat::Dbmn, recognise("12月 5日 5回 東京 2日目\r\n東京【11Ｒ】  +++"));
    // Only the first 127 bytes of a line are examined.
    EXPECT_EQ(StagedFormat::Plain, recognise(std::string(127, ' ') + "東京 98年12月 5日 5回 2日"));
}

TEST(ImportStagedLines, PlainTextGoesToTheBetListAndImportsAreReparsed) {
    {
        RecordingImportHost host;
        betdata::ImportStagedLines(stagedLines("東京 11R 馬連 3-5 1000\r\n"), host);
        EXPECT_EQ(1, host.plainMoves);
        EXPECT_EQ(0, host.reparses);  // the plain path posts its own request
    }
    {
        RecordingImportHost host;
        importtest::setTermsDate(host.mutableTerms(), 1998, 12, 5);
        betdata::ImportStagedLines(stagedLines("東京 98年12月 5日 5回 2日\r\n11R 馬連 3-5 1000"), host);
        EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n"), u8(host.betList));
        EXPECT_EQ(1, host.reparses);
        EXPECT_EQ(0, host.dialogsShown);
        EXPECT_FALSE(host.cancelled);
    }
    {
        RecordingImportHost host;  // terms date unset: the date differs
        host.answers = {false};
        betdata::ImportStagedLines(stagedLines("東京 98年12月 5日 5回 2日\r\n11R 馬連 3-5 1000"), host);
        EXPECT_TRUE(host.cancelled);
        EXPECT_EQ(1, host.reparses);
    }
}

TEST(ImportStagedLines, OptionDialogAndConnectStepBeforeFhwarsAndDbmn) {
    const std::string dbmn = "東京【１１Ｒ】  +++\r\n  <15ｿﾌﾄ >03-05[ 45]\r\n";
    {
        RecordingImportHost host;
        betdata::ImportStagedLines(stagedLines(dbmn), host);
        EXPECT_EQ(1, host.dialogsShown);
        EXPECT_EQ(1, host.connects);
        EXPECT_EQ(1, host.count);
        EXPECT_FALSE(host.cancelled);
    }
    for (bool dialogOk : {false, true}) {
        // A declined dialog or a failed connect takes nothing and keeps a
        // loaded file for another try.
        RecordingImportHost host;
        host.optionsConfirmed = dialogOk;
        host.connectSucceeds = false;
        betdata::ImportStagedLines(stagedLines(dbmn), host);
        EXPECT_EQ(dialogOk ? 1 : 0, host.connects);
        EXPECT_TRUE(host.betList.empty());
        EXPECT_TRUE(host.cancelled);
    }
}

}  // namespace

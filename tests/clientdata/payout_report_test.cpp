// The payout report's layout and the full-width numbers of its headings.
#include <gtest/gtest.h>

#include <memory>

#include "base/recording_notifier.h"
#include "client_dir_fixture.h"
#include "clientdata/full_width.h"
#include "clientdata/payout_report.h"
#include "platform/sim/desktop.h"

namespace clientdata {
namespace {

using testsupport::u8;

TEST(ToFullWidth, WritesDigitsAndSignCutToTheLimit) {
    EXPECT_EQ(ToFullWidth(98, 2), "９８");
    EXPECT_EQ(ToFullWidth(12, 1), "１");
    EXPECT_EQ(ToFullWidth(0, 1), "０");
    EXPECT_EQ(ToFullWidth(-5, 2), "－５");
    EXPECT_EQ(ToFullWidth(-57, 2), "－５");
    EXPECT_EQ(ToFullWidth(-5, 1), "－");
    EXPECT_EQ(ToFullWidth(-2147483647 - 1, 11), "－２１４７４８３６４８");
    EXPECT_EQ(ToFullWidth(7, 0), "");
    EXPECT_EQ(ToFullWidth(7, -1), "");
}

class PayoutReportTest : public clienttest::ClientDirTest {
protected:
    PayoutReportTest() {
        terms.termsYear = 2024, terms.termsMonth = 6, terms.termsDay = 15;  // a Saturday
        base::MeetingTerms& m = terms.meetings[1];
        m.year = 2024, m.venueCode = 5, m.kai = 3, m.nichime = 4;
        betFile.path = betDir() + "24061501.Bet";
    }
    void pays(PayoutKind kind, int race, int e, int first, int second, int payout) {
        tables.race(kind, 1, race)[e] = {first, second, payout};
    }
    base::VotingTerms terms;
    PayoutTables tables;
    base::CurrentBetFile betFile;
};

const std::string kEquals(78, '=');
const std::string kDashes(78, '-');
const std::string kHeading = "\n☆★払戻金情報★☆  ２４年３回東京４日目                      24年06月15日(土)\n" + kEquals +
                             "\nRace|  単 勝  |  複勝１ |  複勝２ |  複勝３ |  枠  連  |   馬  連   |返還&同着\n" +
                             kDashes + "\n";
const std::string kFooter = kDashes + "\n※なお、各レースの成績、及び配当金は主催者発行のものとご照合下さい。m(__)m\n" +
                            kEquals + "\n\n\n";
const std::string kClosing = "※現在返還情報の形式が不明なため対応していません！\n";

TEST_F(PayoutReportTest, RowsShowEveryKindAtItsColumnsAndDeadHeatsOnMoreRows) {
    pays(PayoutKind::Tansho, 1, 0, 3, 0, 350);
    pays(PayoutKind::Fukusho, 1, 0, 3, 0, 150);
    pays(PayoutKind::Fukusho, 1, 1, 7, 0, 160);
    pays(PayoutKind::Fukusho, 1, 2, 5, 0, 300);
    pays(PayoutKind::Wakuren, 1, 0, 2, 4, 1230);
    pays(PayoutKind::Umaren, 1, 0, 3, 7, 2450);
    // Race 2 has no result.  Race 3: two 単勝 winners and five 複勝.
    pays(PayoutKind::Tansho, 3, 0, 3, 0, 250);
    pays(PayoutKind::Tansho, 3, 1, 9, 0, 410);
    const int places[5][2] = {{3, 110}, {9, 120}, {1, 130}, {4, 140}, {6, 1234567}};
    for (int e = 0; e < 5; ++e) pays(PayoutKind::Fukusho, 3, e, places[e][0], 0, places[e][1]);
    pays(PayoutKind::Umaren, 3, 0, 3, 9, 990);
    // Race 12: a 枠連 dead heat only.
    pays(PayoutKind::Wakuren, 12, 0, 1, 1, 800);
    pays(PayoutKind::Wakuren, 12, 1, 1, 8, 9000);

    const std::string expected =
        kHeading +
        "  1R| 3|   350| 3|   150| 7|   160| 5|   300|2-4|  1230| 3- 7|  2450|\n"
        "* 3R| 3|   250| 3|   110| 9|   120| 1|   130|   |      | 3- 9|   990|\n"
        "*   | 9|   410| 4|   140| 6|123456|  |      |   |      |     |      |※同着\n"
        "*12R|  |      |  |      |  |      |  |      |1-1|   800|     |      |\n"
        "*   |  |      |  |      |  |      |  |      |1-8|  9000|     |      |※同着\n" +
        kFooter + kClosing;
    const std::string text = PayoutReportText(tables, terms);
    EXPECT_EQ(text, expected) << u8(text);
}

TEST_F(PayoutReportTest, EmptyTablesGiveHeadingsAndNotesOnlyAndEachMeetingItsTable) {
    EXPECT_EQ(PayoutReportText(tables, terms), kHeading + kFooter + kClosing);
    base::MeetingTerms& second = terms.meetings[2];
    second.year = 2024, second.venueCode = 9, second.kai = 2, second.nichime = 12;  // cut to one character
    const std::string text = PayoutReportText(tables, terms);
    EXPECT_NE(text.find(kFooter + "\n☆★払戻金情報★☆  ２４年２回阪神１日目"), std::string::npos) << u8(text);
}

TEST_F(PayoutReportTest, IsWrittenNextToTheBetFilesOrTheUserIsTold) {
    sim::Desktop desktop(sim::Desktop::Options{root.file("desk/"), at(2024, 6, 15, 17, 0)});
    base::RecordingNotifier notifier;
    ASSERT_EQ(PayoutReportPath(betFile, terms), betDir() + "Hi240615.Txt");
    testsupport::writeBytes(betDir() + "Hi240615.Txt", "an older report, longer than the new one" + std::string(9000, '.'));
    ASSERT_TRUE(WritePayoutReport(tables, terms, betFile, notifier));
    std::string crlf;
    for (char c : PayoutReportText(tables, terms)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(testsupport::readBytes(betDir() + "Hi240615.Txt"), crlf);
    EXPECT_TRUE(notifier.events().empty());

    betFile.path = root.file("gone/24061501.Bet");
    EXPECT_FALSE(WritePayoutReport(tables, terms, betFile, notifier));
    ASSERT_EQ(notifier.events().size(), 1u);
    EXPECT_EQ(notifier.events()[0].text, "ファイルが出力できません！");
}

}  // namespace
}  // namespace clientdata

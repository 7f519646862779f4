// The FHWARS and Dbmn option dialogs as the user meets them during a paste:
// filled from the settings, validated, stored on OK, nothing on Cancel.
#include "base/settings_keys.h"
#include "bet_list_window_fixture.h"
#include "betdata/import_option_dialogs.h"
#include "platform/window.h"

namespace listwindow_test {
namespace {

using testsupport::u8;

const std::string kFhwars =
    "東京　１９９８年　５回　２日目　１２月　５日　[12]\r\n"
    " 1R   3  3- 5  3- 8\r\n";

const std::string kDbmn =
    "東京【１１Ｒ】  +++ ダブマン集計 +++\r\n"
    "  <15ｿﾌﾄ >03-05[ 45]\r\n"
    "  <9ｿﾌﾄ >05-08[ 30]\r\n";

TEST_F(BetListWindowTest, FhwarsOptionsChosenInTheDialogAreUsedAndStored) {
    settings_.fhwarsKingaku = 200;
    std::string shownAmount;
    user_.onDialog(betdata::kFhwarsDialogCaption, [&](sim::Desktop&, const sim::ModalInfo& info) {
        shownAmount = plat::getWindowText(plat::getDlgItem(info.window, betdata::kIdFhwarsRenAmount));
        sim::pressButton(info.window, betdata::kIdFhwarsTan);
        retype(info.window, betdata::kIdFhwarsTanAmount, "300");
        sim::pressButton(info.window, plat::IDOK);
    });
    start();
    pasteIntoList(kFhwars);
    EXPECT_EQ("200", shownAmount);
    EXPECT_EQ(u8("001: 東京  1R 単勝    03      300\r\n"
                 "002: 東京  1R 馬連 03-05      200\r\n"
                 "003: 東京  1R 馬連 03-08      200\r\n"),
              u8(listText()));
    EXPECT_EQ(1, settings_.fhwarsTan);
    EXPECT_EQ(300, settings_.fhwarsTanKingaku);
    EXPECT_EQ(1, profile_->getInt(base::kSectionDefine, base::keys::kFhwarsTan, 0));
    EXPECT_EQ(300, profile_->getInt(base::kSectionDefine, base::keys::kFhwarsTanKingaku, 0));
    EXPECT_EQ(200, profile_->getInt(base::kSectionDefine, base::keys::kFhwarsKingaku, 0));
    // The import's connect step, then the re-parses after the import and
    // after the paste.
    EXPECT_EQ(3, connector_.calls);
}

TEST_F(BetListWindowTest, DbmnDialogRefusesAnAmountOutOfRangeAndCancelTakesNothing) {
    user_.onDialog(betdata::kDbmnDialogCaption, [](sim::Desktop& desktop, const sim::ModalInfo& info) {
        retype(info.window, betdata::kIdDbmnAmount, "50");
        sim::pressButton(info.window, plat::IDOK);
        desktop.act(1000, [window = info.window] { sim::pressButton(window, plat::IDCANCEL); });
    });
    start();
    pasteIntoList(kDbmn);
    ASSERT_EQ(1u, boxesShown().size());
    EXPECT_NE(std::string::npos, boxesShown()[0].find("100"));  // the range message
    EXPECT_EQ("", listText());
    EXPECT_EQ(100, settings_.dbmnKingaku);
    EXPECT_EQ(-1, profile_->getInt(base::kSectionDefine, base::keys::kDbmnKingaku, -1));
}

TEST_F(BetListWindowTest, DbmnDialogConfirmedTakesPairsChosenOftenEnough) {
    settings_.dbmnSoft = 10;
    start();
    pasteIntoList(kDbmn);  // the dialog is confirmed as it is
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05      100\r\n"), u8(listText()));
    EXPECT_EQ(10, profile_->getInt(base::kSectionDefine, base::keys::kDbmnSoft, 0));
}

}  // namespace
}  // namespace listwindow_test

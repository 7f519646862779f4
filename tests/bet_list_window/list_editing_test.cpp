// Editing the BetList on the desktop: Enter, pastes through the importers
// and the bet log, AUTO mode, Merge and Clear.
#include "bet_list_window_fixture.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace listwindow_test {
namespace {

using testsupport::u8;

int caretLine(plat::Hwnd list) {
    return static_cast<int>(plat::sendMessage(list, plat::EM_LINEFROMCHAR, static_cast<plat::Wparam>(-1), 0));
}

TEST_F(BetListWindowTest, TheWindowCarriesItsControlsAndAHiddenWideStagingEdit) {
    start();
    const std::pair<int, const char*> buttons[] = {{ui::kIdBet, "投票"}, {ui::kIdLoad, "読込"},
                                                   {ui::kIdMerge, "ﾏ-ｼﾞ"}, {ui::kIdClear, "ｸﾘｱ"},
                                                   {ui::kIdAutoMode, "AUTO"}, {ui::kIdHelp, "？"}};
    for (const auto& [id, caption] : buttons) EXPECT_EQ(caption, plat::getWindowText(plat::getDlgItem(main_, id)));
    plat::Rect list, staging;
    plat::getWindowRect(list_, list);
    plat::getWindowRect(staging_, staging);
    EXPECT_EQ(list.width() + ui::kStagingExtraWidth, staging.width());
    EXPECT_FALSE(plat::isWindowVisible(staging_));
    EXPECT_FALSE(plat::isWindowEnabled(staging_));
    EXPECT_TRUE(plat::getStyle(list_) & plat::ES_UPPERCASE);
    plat::Lresult listLimit = 0, stagingLimit = 0;
    asUser([&] {
        listLimit = plat::sendMessage(list_, plat::EM_GETLIMITTEXT, 0, 0);
        stagingLimit = plat::sendMessage(staging_, plat::EM_GETLIMITTEXT, 0, 0);
    });
    EXPECT_EQ(ui::kListTextLimit, listLimit);
    EXPECT_EQ(ui::kListTextLimit, stagingLimit);
}

TEST_F(BetListWindowTest, EnterRewritesTheListAndDoesNothingOnTheEmptyLastLine) {
    start();
    typeLine("東京 11r 馬連 3-5 1000");
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n"), u8(listText()));
    EXPECT_EQ(1, connector_.calls);
    int line = -1;
    asUser([&] { line = caretLine(list_); });
    EXPECT_EQ(1, line);  // on the new empty last line

    typeLine("");  // Enter again: nothing
    EXPECT_EQ(1, connector_.calls);
    EXPECT_EQ(u8("001: 東京 11R 馬連 03-05     1000\r\n"), u8(listText()));

    // Enter on any other line re-parses the whole list.
    asUser([&] {
        plat::sendMessage(list_, plat::EM_SETSEL, 0, 0);
        const char* added = "中山 1R 単勝 7 500\r\n";
        plat::sendMessage(list_, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(added));
        plat::sendMessage(list_, plat::EM_SETSEL, 0, 0);
    });
    typeLine("");
    EXPECT_EQ(u8("001: 中山  1R 単勝    07      500\r\n"
                 "002: 東京 11R 馬連 03-05     1000\r\n"),
              u8(listText()));
    EXPECT_EQ(2, betList_.listCount.load());
    EXPECT_EQ(1500, betList_.listTotal.load());
}

const std::string kVenueHeaderPaste =
    "東京 98年12月 5日 5回 2日\r\n"
    "11R 馬連  3-5  1000   12R 単勝  2  300\r\n";

TEST_F(BetListWindowTest, APasteIsImportedAndLogged) {
    start();
    typeLine("中山 1R 単勝 7 500");
    pasteIntoList(kVenueHeaderPaste);
    EXPECT_EQ(u8("001: 中山  1R 単勝    07      500\r\n"
                 "002: 東京 11R 馬連 03-05     1000\r\n"
                 "003: 東京 12R 単勝    02      300\r\n"),
              u8(listText()));
    EXPECT_EQ(u8("\r\nPASTE BET DATA 98/12/05 10:00:00\r\n"
                 "東京 98年12月 5日 5回 2日\r\n"
                 "11R 馬連  3-5  1000   12R 単勝  2  300\r\n"),
              u8(logText()));
    EXPECT_EQ(12, betList_.headerMonth);

    // Plain bet text goes to the list as it is; its entry is the header alone.
    pasteIntoList("阪神 9R 5-8 200");
    EXPECT_NE(std::string::npos, listText().find("004: 阪神  9R 馬連 05-08      200\r\n"));
    EXPECT_EQ(u8("\r\nPASTE BET DATA 98/12/05 10:00:00\r\n"), u8(logText().substr(logText().rfind("\r\nPASTE"))));
}

// A paste asks for a re-parse twice (the import and the paste's end); the
// second request comes while the first re-parse shows its box.  The box is
// shown once and every bet is in the list once.
TEST_F(BetListWindowTest, APasteThatDrawsABoxShowsItOnceAndKeepsEveryBetOnce) {
    start();
    pasteIntoList("東京 1R 単勝 3 100\r\n?\r\n東京 2R 単勝 4 100\r\n阪神 3R 単勝 5 100\r\n");
    EXPECT_EQ(boxesShown(), std::vector<std::string>{"競馬場コードまたは投票種別が不正です！"});
    EXPECT_EQ(u8("001: 東京  1R 単勝    03      100\r\n"
                 "002: 東京  2R 単勝    04      100\r\n"
                 "003: 阪神  3R 単勝    05      100\r\n"),
              u8(listText()));
    EXPECT_EQ(3, betList_.listCount.load());
    EXPECT_EQ(300, betList_.listTotal.load());
}

TEST_F(BetListWindowTest, CtrlVIsAPasteAndAutoModeDropsPastes) {
    start();
    asUser([&] {
        plat::setClipboardText("東京 11R 単勝 3 100\r\n");
        plat::sendMessage(list_, plat::WM_CHAR, 0x16, 0);
    });
    EXPECT_EQ(u8("001: 東京 11R 単勝    03      100\r\n"), u8(listText()));
    EXPECT_NE(std::string::npos, logText().find("PASTE BET DATA"));

    run_.autoMode = 1;
    const std::string log = logText();
    pasteIntoList("中山 1R 単勝 7 500\r\n");
    asUser([&] {
        plat::setClipboardText("中山 2R 単勝 7 500\r\n");
        plat::sendMessage(list_, plat::WM_CHAR, 0x16, 0);
    });
    EXPECT_EQ(u8("001: 東京 11R 単勝    03      100\r\n"), u8(listText()));
    EXPECT_EQ(log, logText());
}

TEST_F(BetListWindowTest, MergeSortsByIdentityAndKeepsSumsBelowTheLimit) {
    start();
    pasteIntoList(
        "中山 1R 単勝 1 100\r\n"
        "東京 12R 馬連 1-2 600000\r\n"
        "東京 11R 馬連 3-5 1000\r\n"
        "東京 11R 枠連 1-2 100\r\n"
        "東京 12R 馬連 1-2 600000\r\n"
        "東京 11R 単勝 4 100\r\n"
        "東京 11R 馬連 5-3 500\r\n"
        "東京 11R 複勝 4 100\r\n");
    press(ui::kIdMerge);
    EXPECT_EQ(u8("001: 東京 11R 複勝    04      100\r\n"
                 "002: 東京 11R 単勝    04      100\r\n"
                 "003: 東京 11R 馬連 03-05     1500\r\n"
                 "004: 東京 11R 枠連 01-02      100\r\n"
                 "005: 東京 12R 馬連 01-02   600000\r\n"
                 "006: 東京 12R 馬連 01-02   600000\r\n"
                 "007: 中山  1R 単勝    01      100\r\n"),
              u8(listText()));
    EXPECT_EQ(list_, plat::getFocus());
}

TEST_F(BetListWindowTest, ClearEmptiesTheListAndItsStatusLine) {
    start();
    typeLine("東京 11R 馬連 3-5 1000");
    EXPECT_EQ(0u, statusText().find("ベット計"));
    press(ui::kIdClear);
    EXPECT_EQ("", listText());
    EXPECT_EQ(0, betList_.listCount.load());
    EXPECT_EQ(0, betList_.listTotal.load());
    EXPECT_EQ(std::string::npos, statusText().find("ベット計"));
    EXPECT_EQ(list_, plat::getFocus());
}

}  // namespace
}  // namespace listwindow_test

// タイマー投票ファイル出力 (32777) as the user meets it: the dialog and its
// proposal, the range checks, the file in the bet-file directory, and the
// file read back by the Load command.
#include <filesystem>

#include "bet_list_window_fixture.h"
#include "clientdata/timer_bet_dialog.h"
#include "clientdata/timer_bet_file.h"
#include "platform/window.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace listwindow_test {
namespace {

using testsupport::readBytes;
using testsupport::u8;

constexpr int kWrite = ui::kIdTimerBetFile;

const std::string kList =
    "001: 東京 11R 馬連 03-05     1000\r\n"
    "002: 東京 12R 単勝    07      500\r\n"
    "003: 京都  9R 複勝    12      300\r\n"
    "004: 京都 10R 枠連 02-02      200\r\n";

std::string field(plat::Hwnd dialog, int id) { return plat::getWindowText(plat::getDlgItem(dialog, id)); }

class TimerBetCommandTest : public BetListWindowTest {
protected:
    TimerBetCommandTest() {
        user_.onDialog(clientdata::kTimerBetDialogCaption, [this](sim::Desktop&, const sim::ModalInfo& info) {
            proposed = field(info.window, clientdata::kIdTimerBetYear) + "-" +
                       field(info.window, clientdata::kIdTimerBetMonth) + "-" +
                       field(info.window, clientdata::kIdTimerBetDay) + " " +
                       field(info.window, clientdata::kIdTimerBetHour) + ":" +
                       field(info.window, clientdata::kIdTimerBetMinute);
            if (answer) answer(info.window);
            else sim::pressButton(info.window, plat::IDOK);
        });
    }
    void startWithList(const std::string& text) {
        start();
        pasteIntoList(text);
        ASSERT_EQ(u8(text), u8(listText()));
    }

    std::string proposed;  // the dialog's fields as it opened
    std::function<void(plat::Hwnd)> answer;
};

TEST_F(TimerBetCommandTest, TheListIsWrittenForTheConfirmedMinuteAndLoadsBackToTheSameBets) {
    startWithList(kList);
    press(kWrite);
    EXPECT_EQ(proposed, "98-12-5 10:0");  // Saturday morning: the present minute
    const std::string path = betDir() + "TC051000.BET";
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(u8(readBytes(path)),
              u8("\r\n東京 98年 12月  5日\r\n\r\n"
                 " 11R 馬連 03-05    1.0     1000\r\n"
                 " 12R 単勝  7    1.0      500\r\n"
                 "\r\n京都 98年 12月  5日\r\n\r\n"
                 "  9R 複勝 12    1.0    1.0      300\r\n"
                 " 10R 枠連 02-02    1.0      200\r\n"));
    EXPECT_EQ(u8(kList), u8(listText()));  // the list is never changed

    press(ui::kIdClear);
    user_.setOpenFileAnswer(path);
    press(ui::kIdLoad);
    EXPECT_EQ(u8(kList), u8(listText()));
    EXPECT_TRUE(boxesShown().empty());
}

TEST_F(TimerBetCommandTest, TheMinuteTypedNamesTheFileAndItsHeadingsDate) {
    answer = [](plat::Hwnd dialog) {
        retype(dialog, clientdata::kIdTimerBetMonth, "10");
        retype(dialog, clientdata::kIdTimerBetDay, "25");
        retype(dialog, clientdata::kIdTimerBetHour, "9");
        retype(dialog, clientdata::kIdTimerBetMinute, "40");
        sim::pressButton(dialog, plat::IDOK);
    };
    startWithList("001: 中山  1R 単勝    07      500\r\n");
    press(kWrite);
    EXPECT_EQ(u8(readBytes(betDir() + "TA250940.BET")),
              u8("\r\n中山 98年 10月 25日\r\n\r\n  1R 単勝  7    1.0      500\r\n"));
}

TEST_F(TimerBetCommandTest, TheLastImportsHeaderDayIsProposed) {
    start();
    pasteIntoList("東京 98年12月 6日 5回 2日\r\n 11R 馬連 3-5 1000\r\n");
    press(kWrite);
    EXPECT_EQ(proposed, "98-12-6 10:0");
    EXPECT_TRUE(std::filesystem::exists(betDir() + "TC061000.BET"));
}

TEST_F(TimerBetCommandTest, ValuesOutOfRangeAreRefusedInTheirOrderAndCancelWritesNothing) {
    answer = [this](plat::Hwnd dialog) {
        retype(dialog, clientdata::kIdTimerBetMonth, "13");
        retype(dialog, clientdata::kIdTimerBetDay, "32");
        retype(dialog, clientdata::kIdTimerBetHour, "17");
        sim::pressButton(dialog, plat::IDOK);
        desktop_.act(1000, [dialog] {
            retype(dialog, clientdata::kIdTimerBetDay, "31");
            sim::pressButton(dialog, plat::IDOK);
        });
        desktop_.act(2000, [dialog] {
            retype(dialog, clientdata::kIdTimerBetHour, "16");
            sim::pressButton(dialog, plat::IDOK);
        });
        desktop_.act(3000, [dialog] { sim::pressButton(dialog, plat::IDCANCEL); });
    };
    startWithList(kList);
    press(kWrite);
    ASSERT_EQ(boxesShown().size(), 3u);
    EXPECT_EQ(u8(boxesShown()[0]), u8("1 から 31 までの整数を入力してください。"));
    EXPECT_EQ(u8(boxesShown()[1]), u8("9 から 16 までの整数を入力してください。"));
    EXPECT_EQ(u8(boxesShown()[2]), u8("1 から 12 までの整数を入力してください。"));
    EXPECT_TRUE(plat::findFiles(betDir() + "T*.BET").empty());
}

TEST_F(TimerBetCommandTest, AnEmptyListShowsNothingAndAnUnwritableFileIsReported) {
    start();
    press(kWrite);
    // One line without a line end: still nothing.
    asUser([this] {
        for (char c : std::string("001: 東京 11R 馬連 03-05     1000"))
            plat::sendMessage(list_, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
    });
    press(kWrite);
    EXPECT_TRUE(modalsShown().empty());
    press(ui::kIdClear);

    const std::string betFileBefore = betFile_.path;
    betFile_.path = dir_.file("gone/98120501.Bet");
    pasteIntoList(kList);
    press(kWrite);
    ASSERT_EQ(boxesShown().size(), 1u);
    EXPECT_EQ(u8(boxesShown()[0]), u8("ファイルが出力できません！"));

    // A disk that fills up: the lines are only refused when the file is
    // closed.  Nothing is left that would place some of the bets.
    betFile_.path = betFileBefore;
    const std::string path = betDir() + "TC051000.BET";
    std::filesystem::create_symlink("/dev/full", path);
    press(kWrite);
    ASSERT_EQ(boxesShown().size(), 2u);
    EXPECT_EQ(u8(boxesShown()[1]), u8("ファイルが出力できません！"));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
}

}  // namespace
}  // namespace listwindow_test

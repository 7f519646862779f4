// Pressing, typing and choosing on the client's forms: the messages posted,
// their pauses and their attempt counts.
#include "driver/input.h"
#include "driver/vote_form_input.h"
#include "driver/window_waits.h"
#include "form_desktop.h"

namespace drivertest {
namespace {

using namespace driver;
using plat::Hwnd;

using ClickTest = FormDesktopTest;
using TypeTest = FormDesktopTest;
using ComboTest = FormDesktopTest;
using WindowStateTest = FormDesktopTest;

std::string edited(Hwnd edit) { return plat::getWindowText(edit); }

TEST_F(ClickTest, ClickWindowPostsMoveDownUpAtFiveFiveWithPausesAfterMoveAndDown) {
    const Hwnd menu = form("JRA PAT for Win95", {0, 0, 711, 87});
    const Hwnd vote = control(menu, "Button", "投  票", {20, 30, 90, 60});
    Hwnd result = 0;
    EXPECT_EQ(asOrnel([&] { result = ClickControl(driver, "ThunderRTForm", "JRA PAT for Win95", 55, 69, "投  票"); }),
              200);
    EXPECT_EQ(result, vote);
    const auto sent = posts();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].message, plat::WM_MOUSEMOVE);
    EXPECT_EQ(sent[1].message, plat::WM_LBUTTONDOWN);
    EXPECT_EQ(sent[1].wParam, plat::MK_LBUTTON);
    EXPECT_EQ(sent[2].message, plat::WM_LBUTTONUP);
    EXPECT_EQ(sent[2].wParam, 0u);
    for (const auto& e : sent) EXPECT_EQ(e.lParam, plat::makeLparam(5, 5));
    EXPECT_EQ(sent[1].timeMs - sent[0].timeMs, 100);
    EXPECT_EQ(sent[2].timeMs - sent[1].timeMs, 100);
    desktop.runFor(1);
    EXPECT_EQ(clicked, std::vector<int>{plat::getDlgCtrlId(vote)}) << "the button saw a real click";
}

TEST_F(ClickTest, NothingIsPostedToADisabledOrMissingButton) {
    const Hwnd menu = form("JRA PAT for Win95", {0, 0, 711, 87});
    const Hwnd vote = control(menu, "Button", "投  票", {20, 30, 90, 60}, plat::WS_DISABLED);
    Hwnd result = 1;
    EXPECT_EQ(asOrnel([&] { result = ClickWindow(driver, vote); }), 0);
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(asOrnel([&] { result = ClickControl(driver, "ThunderRTForm", "JRA PAT for Win95", 55, 69, "終"); }), 0);
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(asOrnel([&] { result = ClickControlAnywhere(driver, "ThunderRTForm", "JRA PAT for Win95", "投"); }), 0)
        << "found anywhere, but disabled";
    EXPECT_TRUE(posts().empty());
}

TEST_F(ClickTest, PostWithRetryTriesThreeTimesWithActionWaitAfterEachFailure) {
    const Hwnd gone = form("通信", {0, 0, 200, 100});
    onClient([&] { plat::destroyWindow(gone); });
    bool posted = true;
    EXPECT_EQ(asOrnel([&] { posted = PostWithRetry(driver, gone, plat::WM_CHAR, '1', 0); }), 1500);
    EXPECT_FALSE(posted);
}

TEST_F(ClickTest, ClickAtPostsAtThePointWithTheGivenPauses) {
    const Hwnd vote = form("投票", {0, 0, 638, 430});
    const Hwnd grid = control(vote, "Static", "", {100, 60, 460, 100});
    bool done = false;
    EXPECT_EQ(asOrnel([&] { done = ClickAt(driver, grid, {30, 10}, {100, 100, 0}); }), 200);
    EXPECT_TRUE(done);
    const auto sent = posts();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1].message, plat::WM_LBUTTONDOWN);
    EXPECT_EQ(sent[2].lParam, plat::makeLparam(30, 10));
    EXPECT_EQ(sent[2].timeMs, sent[0].timeMs + 200);
}

TEST_F(TypeTest, TypeTextAtFindsTheDeepestFieldAndTypesEveryByte) {
    const Hwnd login = form("JRA PAT for Win 95", {0, 0, 651, 493});
    const Hwnd user = control(login, "Edit", "", {450, 290, 560, 310});
    bool typed = false;
    EXPECT_EQ(asOrnel([&] { typed = TypeTextAt(driver, "ThunderRTForm", "JRA PAT for Win 95", 504, 322, "12345678"); }),
              100);
    EXPECT_TRUE(typed);
    EXPECT_EQ(posts(plat::WM_CHAR).size(), 8u);
    desktop.runFor(1);
    EXPECT_EQ(edited(user), "12345678");

    // Nothing at the point: WindowOpenWait / MessageWait = 20 attempts.
    desktop.clearTrace();
    EXPECT_EQ(asOrnel([&] { typed = TypeTextAt(driver, "ThunderRTForm", "JRA PAT for Win 95", 5, 5, "1234"); }), 2000);
    EXPECT_FALSE(typed);
    EXPECT_EQ(asOrnel([&] { typed = TypeTextAt(driver, "ThunderRTForm", "JRA PAT for Win 95", 504, 322, nullptr); }),
              100);
    EXPECT_FALSE(typed) << "no text";
    EXPECT_TRUE(posts().empty());
}

TEST_F(TypeTest, TypeTextAtMakesNoAttemptWhenWindowOpenWaitIsBelowMessageWait) {
    const Hwnd login = form("JRA PAT for Win 95", {0, 0, 651, 493});
    control(login, "Edit", "", {450, 290, 560, 310});
    driver.timing.windowOpenWait = 99;
    bool typed = true;
    EXPECT_EQ(asOrnel([&] { typed = TypeTextAt(driver, "ThunderRTForm", "JRA PAT for Win 95", 504, 322, "1234"); }), 0);
    EXPECT_FALSE(typed);
    EXPECT_TRUE(posts().empty());
}

TEST_F(TypeTest, TypeDigitsPostsTheDigitsOfAPositiveNumberAtOnce) {
    const Hwnd confirm = form("投票金額確認", {0, 0, 400, 260});
    const Hwnd total = control(confirm, "Edit", "", {300, 90, 390, 110}, plat::ES_NUMBER);
    EXPECT_EQ(asOrnel([&] {
                  TypeDigits(driver, total, 12300);
                  TypeDigits(driver, total, 0);
              }),
              0);
    desktop.runFor(1);
    EXPECT_EQ(edited(total), "12300");
}

// A vote form with the frame "場名" holding a drop-down list.
class VenueComboTest : public ComboTest {
protected:
    void SetUp() override {
        vote = form("投票", {40, 30, 678, 460});
        frame = control(vote, "Button", "場名", {20, 30, 180, 90}, plat::BS_GROUPBOX);
        combo = control(frame, "ComboBox", "", {10, 20, 150, 44}, plat::CBS_DROPDOWNLIST);
        onClient([&] {
            for (const char* item : {"東京", "京都", "中山", "小倉"})
                plat::sendMessage(combo, plat::CB_ADDSTRING, 0, reinterpret_cast<plat::Lparam>(item));
        });
    }
    int selection() const { return static_cast<int>(plat::sendMessage(combo, plat::CB_GETCURSEL, 0, 0)); }
    std::vector<plat::Wparam> keysDown() const {
        std::vector<plat::Wparam> keys;
        for (const auto& e : posts(plat::WM_KEYDOWN)) keys.push_back(e.wParam);
        return keys;
    }
    Hwnd vote = 0, frame = 0, combo = 0;
};

TEST_F(VenueComboTest, FromNoSelectionTheRightArrowIsPressedIndexPlusOneTimes) {
    bool selected = false;
    // The click takes 400 ms, each press 200; the selection is there at the
    // first poll.
    EXPECT_EQ(asOrnel([&] { selected = SelectComboItem(driver, "場名", "中山", 92, 80); }), 400 + 3 * 200);
    EXPECT_TRUE(selected);
    EXPECT_EQ(selection(), 2);
    EXPECT_EQ(keysDown(), (std::vector<plat::Wparam>(3, plat::VK_RIGHT)));
    EXPECT_EQ(posts(plat::WM_KEYUP).size(), 3u);
    // The click lands on the combo box at the form point (92, 80): window
    // (40 + 92, 30 + 80) minus the combo box's (40+3+20+10, 30+22+30+20).
    const auto down = posts(plat::WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].hwnd, combo);
    EXPECT_EQ(down[0].lParam, plat::makeLparam(92 - 33, 80 - 72));
}

TEST_F(VenueComboTest, LeftArrowMovesBackAndAMissingItemFailsAfterThreeRounds) {
    onClient([&] { plat::sendMessage(combo, plat::CB_SETCURSEL, 3, 0); });
    bool selected = false;
    asOrnel([&] { selected = SelectComboItem(driver, "場名", "京都", 92, 80); });
    EXPECT_TRUE(selected);
    EXPECT_EQ(selection(), 1);
    EXPECT_EQ(keysDown(), (std::vector<plat::Wparam>(2, plat::VK_LEFT)));

    desktop.clearTrace();
    asOrnel([&] { selected = SelectComboItem(driver, "場名", "阪神", 92, 80); });
    EXPECT_FALSE(selected);
    EXPECT_TRUE(keysDown().empty());
    EXPECT_EQ(posts().size(), 3u) << "only the click into the box";

    desktop.clearTrace();
    asOrnel([&] { selected = SelectComboItem(driver, "ﾚｰｽ番号", "  １", 92, 80); });
    EXPECT_FALSE(selected) << "no such frame";
    EXPECT_TRUE(posts().empty());
}

TEST_F(VenueComboTest, ASelectionThatNeverArrivesIsPolledThirtyTimesPerRound) {
    onClient([&] { plat::enableWindow(combo, false); });  // ignores the keys
    bool selected = true;
    // Click 400; per round one press (200) and 30 polls of 100.
    EXPECT_EQ(asOrnel([&] { selected = SelectComboItem(driver, "場名", "東京", 92, 80); }), 400 + 3 * (200 + 3000));
    EXPECT_FALSE(selected);
    EXPECT_EQ(keysDown().size(), 3u);
}

TEST_F(ComboTest, CheckOptionSetsTheCheckOnlyWhenEnabled) {
    const Hwnd vote = form("投票", {0, 0, 638, 430});
    const Hwnd win = control(vote, "Button", "単勝", {40, 225, 100, 245}, plat::BS_AUTORADIOBUTTON);
    const Hwnd all = control(vote, "Button", "総流し", {210, 120, 280, 140}, plat::BS_AUTORADIOBUTTON | plat::WS_DISABLED);
    bool result = false;
    asOrnel([&] { result = CheckOption("単勝", 57, 259); });
    EXPECT_TRUE(result);
    EXPECT_EQ(plat::sendMessage(win, plat::BM_GETCHECK, 0, 0), 1);
    asOrnel([&] { result = CheckOption("総流し", 227, 151); });
    EXPECT_TRUE(result) << "true whether or not it was enabled";
    EXPECT_EQ(plat::sendMessage(all, plat::BM_GETCHECK, 0, 0), 0);
    asOrnel([&] { result = CheckOption("馬連", 57, 331); });
    EXPECT_FALSE(result);
}

TEST_F(WindowStateTest, WaitHiddenEndsWhenTheButtonHidesOrGoes) {
    const Hwnd comm = form("通信", {0, 0, 300, 200});
    const Hwnd ok = control(comm, "Button", "ＯＫ", {100, 80, 160, 100});
    onClientAfter(250, [&] { plat::showWindow(ok, plat::SW_HIDE); });
    bool hidden = false;
    EXPECT_EQ(asOrnel([&] { hidden = WaitHidden(driver, ok, 4000); }), 300);
    EXPECT_TRUE(hidden);

    const Hwnd ok2 = control(comm, "Button", "ＯＫ", {100, 80, 160, 100});
    EXPECT_EQ(asOrnel([&] { hidden = WaitHidden(driver, ok2, 1000); }), 1100);
    EXPECT_FALSE(hidden);
    onClient([&] { plat::destroyWindow(comm); });
    EXPECT_EQ(asOrnel([&] { hidden = WaitHidden(driver, ok2, 1000); }), 0);
    EXPECT_TRUE(hidden);
}

TEST_F(WindowStateTest, RestoreIfMinimizedPostsAtMostFourRequests) {
    const Hwnd menu = form("JRA PAT for Win95", {0, 0, 711, 87});
    bool restored = false;
    EXPECT_EQ(asOrnel([&] { restored = RestoreIfMinimized(driver, menu); }), 0);
    EXPECT_TRUE(restored);
    EXPECT_TRUE(posts().empty());

    onClient([&] { plat::showWindow(menu, plat::SW_MINIMIZE); });
    EXPECT_EQ(asOrnel([&] { restored = RestoreIfMinimized(driver, menu); }), 500);
    EXPECT_TRUE(restored);
    ASSERT_EQ(posts().size(), 1u);
    EXPECT_EQ(posts()[0].message, plat::WM_SYSCOMMAND);
    EXPECT_EQ(posts()[0].wParam, plat::SC_RESTORE);

    // A form that takes only its third request.
    int requests = 0;
    const Hwnd stubborn = form("投票", {0, 0, 638, 430});
    onClient([&] {
        plat::showWindow(stubborn, plat::SW_MINIMIZE);
        plat::WndProc original = plat::setWindowProc(stubborn, nullptr);
        plat::setWindowProc(stubborn, [&requests, original](Hwnd h, plat::Uint m, plat::Wparam w, plat::Lparam l) {
            if (m == plat::WM_SYSCOMMAND && ++requests < 3) return plat::Lresult{0};
            return plat::callWindowProc(original, h, m, w, l);
        });
    });
    desktop.clearTrace();
    EXPECT_EQ(asOrnel([&] { restored = RestoreIfMinimized(driver, stubborn); }), 2 * 5000 + 500);
    EXPECT_TRUE(restored);
    EXPECT_EQ(posts().size(), 3u);

    // One that never restores: four rounds of ten sleeps, then false.
    requests = -100;
    onClient([&] { plat::showWindow(stubborn, plat::SW_MINIMIZE); });
    desktop.clearTrace();
    EXPECT_EQ(asOrnel([&] { restored = RestoreIfMinimized(driver, stubborn); }), 4 * 5000);
    EXPECT_FALSE(restored);
    EXPECT_EQ(posts().size(), 4u);
}

}  // namespace
}  // namespace drivertest

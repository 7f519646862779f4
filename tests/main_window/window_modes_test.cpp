// The main window's modes — manual idle, AUTO idle, a run in either mode —
// with the buttons' captions and enabled states and the BetList's after
// every transition, and the 投票 button's protocol with the run: STOP asked
// once, ignored once the run is stopping or has ended.
#include "base/strings.h"
#include "main_window_fixture.h"
#include "platform/window.h"
#include "support/message_sequence.h"
#include "ui/main_window_layout.h"

namespace mainwindow_test {
namespace {

using testsupport::u8;


// Rows of the mode table: each button as CAPTION:on|off in the window's
// order, then the BetList.
const char* const kManualIdle = "投票:on 読込:on ﾏ-ｼﾞ:on ｸﾘｱ:on AUTO:on ？:on list:on";
const char* const kManualRunning = "STOP:on 読込:off ﾏ-ｼﾞ:off ｸﾘｱ:off AUTO:off ？:on list:off";
const char* const kAutoRunning = "STOP:on 読込:off ﾏ-ｼﾞ:off ｸﾘｱ:off MANU:off ？:on list:off";
const char* const kAutoSwitchedOn = "投票:off 読込:off ﾏ-ｼﾞ:off ｸﾘｱ:off MANU:on ？:on list:off";
const char* const kAutoAfterRun = "投票:off 読込:off ﾏ-ｼﾞ:off ｸﾘｱ:off MANU:on ？:on list:on";

class WindowModes : public MainWindowTest {
protected:
    void SetUp() override {
        installClient();
        start();
    }
    std::string mode() {
        std::string row;
        for (const auto& b : run().buttons()) row += b.caption + (b.enabled ? ":on " : ":off ");
        row += plat::isWindowEnabled(run().control(ui::kIdBetList)) ? "list:on" : "list:off";
        return u8(row);
    }
    std::int16_t runState() { return program().runControl.runState.load(); }
    void pressBet() {
        const plat::Hwnd window = main();
        ASSERT_TRUE(desktop.call("user", [window] { sim::pressButton(window, ui::kIdBet); }));
    }
    // Runs until the run has entered a bet (the BetRunner is at work).
    void untilABetIsEntered() {
        ASSERT_TRUE(desktop.runUntil([&] { return program().betList.listCount.load() == 1; }, 600'000));
    }
    void untilIdle() {
        ASSERT_TRUE(desktop.runUntil([&] { return runState() == base::kRunIdle; }, 3'600'000));
        ASSERT_TRUE(run().settle());
    }
};

TEST_F(WindowModes, EveryTransitionLeavesTheButtonsAndTheListAsTheModeTableSays) {
    EXPECT_EQ(mode(), u8(kManualIdle));

    ASSERT_TRUE(run().enterIntoList(kText));
    pressBet();
    untilABetIsEntered();
    EXPECT_EQ(mode(), u8(kManualRunning)) << "manual idle -> run";
    untilIdle();
    EXPECT_EQ(mode(), u8(kManualIdle)) << "run -> manual idle";

    ASSERT_TRUE(run().click(ui::kIdAutoMode));
    EXPECT_EQ(mode(), u8(kAutoSwitchedOn)) << "manual idle -> AUTO idle";

    // The day's bet file, picked up by the watch within one 12 s cycle.
    testsupport::writeBytes(home.file("bets/98120501.BET"), "東京 1R 単勝 7 500\r\n");
    ASSERT_TRUE(desktop.runUntil([&] { return program().betList.listCount.load() == 1; }, 60'000));
    EXPECT_EQ(mode(), u8(kAutoRunning)) << "AUTO idle -> run";
    untilIdle();
    EXPECT_EQ(mode(), u8(kAutoAfterRun)) << "run -> AUTO idle";

    ASSERT_TRUE(run().click(ui::kIdAutoMode));
    EXPECT_EQ(mode(), u8(kManualIdle)) << "AUTO idle -> manual idle";
    EXPECT_EQ(testsupport::u8(ledgerText()), testsupport::u8("001: 東京  1R 馬連 03-05     1000\r\n"
                                                             "002: 阪神  2R 単勝    07      500\r\n"
                                                             "003: 阪神  2R 単勝    09      500\r\n"
                                                             "004: 東京  3R 枠連 02-02     2000\r\n"
                                                             "005: 東京  1R 単勝    07      500\r\n"));
}

// With the day's terms in force the switch to AUTO connects to the client
// first; when that fails the window stays in manual mode.
TEST_F(WindowModes, AutoStaysOffWhenTheClientCannotBeReached) {
    ASSERT_EQ(program().terms.termsChecked, 1);
    ASSERT_TRUE(run().enterIntoList(kText));
    ASSERT_TRUE(desktop.call("user", [this] { program().driverState.password.clear(); }));
    ASSERT_TRUE(run().click(ui::kIdAutoMode));
    EXPECT_EQ(boxIds(), std::vector<plat::Uint>{base::kMsgSettingsIncomplete});
    EXPECT_EQ(program().runControl.autoMode.load(), 0);
    EXPECT_EQ(mode(), u8(kManualIdle));
    EXPECT_NE(run().controlText(ui::kIdBetList), "") << "the list was not cleared";
}

// The second press asks the run to stop (with a beep); a third before the
// run has ended does nothing; the run ends stopped.
TEST_F(WindowModes, BetTwiceStopsTheRunAndAThirdPressDoesNothing) {
    ASSERT_TRUE(run().enterIntoList(kText));
    pressBet();
    untilABetIsEntered();
    const std::size_t beepsBefore = beeps().size();
    pressBet();
    ASSERT_TRUE(desktop.runUntil([&] { return runState() == base::kRunStopRequested; }, 1000));
    pressBet();
    desktop.runFor(100);
    EXPECT_NE(runState(), base::kRunRunning) << "the third press did not restart anything";
    EXPECT_EQ(beeps().size(), beepsBefore + 1);
    EXPECT_EQ(beeps().back(), plat::MB_ICONASTERISK);
    untilIdle();
    EXPECT_EQ(mode(), u8(kManualIdle));
    EXPECT_NE(run().controlText(ui::kIdBetList), "") << "the bets not placed stay in the list";
}

// Once the BetRunner has written its end, STOP changes nothing: the next
// tick completes the run as it ended.
TEST_F(WindowModes, StopAfterTheRunsOwnEndChangesNothing) {
    ASSERT_TRUE(run().enterIntoList(kText));
    pressBet();
    ASSERT_TRUE(desktop.runUntil([&] { return runState() == base::kRunFinished; }, 3'600'000));
    const std::size_t beepsBefore = beeps().size();
    const std::size_t from = desktop.trace().size();
    pressBet();
    desktop.runFor(0);
    ASSERT_TRUE(testsupport::MessagesMatch(desktop, main(), {{plat::WM_COMMAND, plat::makeWparam(ui::kIdBet, 0)}},
                                           from))
        << "the click was handled";
    EXPECT_EQ(runState(), base::kRunFinished);
    EXPECT_EQ(beeps().size(), beepsBefore);
    untilIdle();
    EXPECT_EQ(run().controlText(ui::kIdBetList), "") << "completed as a finished run";
    EXPECT_EQ(mode(), u8(kManualIdle));
}

}  // namespace
}  // namespace mainwindow_test

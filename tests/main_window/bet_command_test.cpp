// The 投票 command and the completion of a run in the whole program: the
// bet text parsed, the amount limits asked, the buttons during and after
// the run, commands that would operate the client refused while it lasts,
// and the list afterwards.
#include <algorithm>
#include <cstring>

#include "app/payout_commands.h"
#include "base/strings.h"
#include "main_window_fixture.h"
#include "platform/window.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace mainwindow_test {
namespace {


class BetCommand : public MainWindowTest {
protected:
    // The program started with the client installed (the start-up at 10:00
    // starts it and logs in) and the text entered into the list.
    void startWith(const std::vector<std::string>& defineLines = {}) {
        installClient(defineLines);
        start();
        ASSERT_TRUE(run().enterIntoList(kText));
    }
    simhome::ProgramRun::BetOutcome placeBets(int stopAfterLines = 0) {
        simhome::ProgramRun::BetOutcome outcome;
        EXPECT_TRUE(run().placeBets(outcome, stopAfterLines)) << "the run did not end";
        return outcome;
    }
};

TEST_F(BetCommand, AFinishedRunClearsTheListAndReadsTheNewVoteLog) {
    startWith();
    const auto outcome = placeBets();
    EXPECT_EQ(outcome.result, base::kRunFinished);
    EXPECT_EQ(testsupport::u8(ledgerText()), testsupport::u8("001: 東京  1R 馬連 03-05     1000\r\n"
                                                             "002: 阪神  2R 単勝    07      500\r\n"
                                                             "003: 阪神  2R 単勝    09      500\r\n"
                                                             "004: 東京  3R 枠連 02-02     2000\r\n"));
    EXPECT_EQ(outcome.listAfter, "");
    EXPECT_EQ(program().terms.todayPurchase, 4000) << "the vote log of the run was counted";
    EXPECT_EQ(program().runControl.runState.load(), base::kRunIdle);
    // Both limits (5000 yen per race and per vote) hold: no question.
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(BetCommand, AStoppedRunKeepsTheRestForTheNextRunNumberedAfresh) {
    startWith({"Bet Divide Unit=2"});
    const auto outcome = placeBets(3);
    EXPECT_EQ(outcome.result, base::kRunFailed);
    EXPECT_EQ(testsupport::u8(ledgerText()), testsupport::u8("001: 東京  1R 馬連 03-05     1000\r\n"
                                                             "002: 阪神  2R 単勝    07      500\r\n"));
    EXPECT_EQ(testsupport::u8(outcome.listAfter), testsupport::u8("001: 阪神  2R 単勝    09      500\r\n"
                                                                  "002: 東京  3R 枠連 02-02     2000\r\n"));
    EXPECT_EQ(program().runControl.runState.load(), base::kRunIdle);
}

TEST_F(BetCommand, TheAmountLimitsAreAskedAndNoStopsBeforeAnyRun) {
    startWith({"Limit Race=1000"});
    user.answerId(base::kMsgRaceLimitExceeded, plat::IDNO);
    const auto outcome = placeBets();
    EXPECT_EQ(outcome.result, base::kRunIdle);
    EXPECT_EQ(boxIds(), std::vector<plat::Uint>{base::kMsgRaceLimitExceeded});
    EXPECT_EQ(ledgerText(), "");
}

// Without the account the terms step of the re-parse cannot reach the
// client: 投票 starts no run, and the typed text stays as it was.
TEST_F(BetCommand, NoRunStartsWhenItsReparseCannotReachTheClient) {
    installClient();
    std::string profile = profileText();
    for (const char* key : {"Pat Id=11112222\r\n", "Pat Pass Word=0123\r\n"})
        profile.erase(profile.find(key), std::strlen(key));
    testsupport::writeBytes(home.file("WINDOWS/Ornel.INI"), profile);
    start();
    ASSERT_TRUE(run().enterIntoList(kText));
    const std::size_t boxesBefore = boxIds().size();
    const auto outcome = placeBets();
    EXPECT_EQ(outcome.result, base::kRunIdle);
    EXPECT_EQ(outcome.listAfter, kText) << "not parsed, not cleared";
    const std::vector<plat::Uint> boxes = boxIds();
    EXPECT_EQ(std::vector<plat::Uint>(boxes.begin() + static_cast<std::ptrdiff_t>(boxesBefore), boxes.end()),
              std::vector<plat::Uint>{base::kMsgSettingsIncomplete})
        << "the re-parse's message only";
}

// While a run lasts only STOP can be pressed; a command that would operate
// the client from the menus only beeps, so two threads never drive it.
TEST_F(BetCommand, DuringTheRunOnlyStopWorksAndClientCommandsBeep) {
    startWith();
    const plat::Hwnd window = main();
    ASSERT_TRUE(desktop.call("user", [window] { sim::pressButton(window, ui::kIdBet); }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().betList.listCount.load() == 1; }, 600'000))
        << "a bet entered";
    EXPECT_EQ(run().controlText(ui::kIdBet), "STOP");
    std::vector<bool> enabled;
    for (const int id : {ui::kIdBet, ui::kIdBetList, ui::kIdAutoMode, ui::kIdLoad, ui::kIdClear, ui::kIdMerge})
        enabled.push_back(plat::isWindowEnabled(run().control(id)));
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, false, false, false}));

    // The payout dialog itself opens (its fetch time is no business of the
    // run's); its 今すぐ取得 only beeps.
    user.onDialog(app::kPayoutDialogCaption, [](sim::Desktop&, const sim::ModalInfo& info) {
        sim::pressButton(info.window, app::kIdFetchNow);
    });
    const std::size_t beepsBefore = beeps().size();
    ASSERT_TRUE(desktop.call("user", [window] {
        sim::chooseSystemMenuEntry(window, ui::kIdConnectClient);
        sim::chooseSystemMenuEntry(window, ui::kIdPayoutFetch);
        plat::postMessage(window, plat::WM_COMMAND, plat::makeWparam(ui::kIdClear, plat::BN_CLICKED), 0);
    }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().runControl.runState.load() == base::kRunIdle; },
                                 3'600'000));
    const std::vector<plat::Uint> after = beeps();
    EXPECT_EQ(std::vector<plat::Uint>(after.begin() + static_cast<long>(beepsBefore), after.end()),
              (std::vector<plat::Uint>{plat::MB_ICONASTERISK, plat::MB_ICONASTERISK, plat::MB_ICONASTERISK}));
    EXPECT_EQ(ledgerText().size(), 4 * std::string("001: 東京  1R 馬連 03-05     1000\r\n").size())
        << "the list was not cleared under the run";
    EXPECT_EQ(run().controlText(ui::kIdBet), "投票");
}

}  // namespace
}  // namespace mainwindow_test

namespace mainwindow_test {
namespace {

// 14:59: sales of 東京 1R (15:00) closed at 14:58; 阪神 1R starts at 16:00.
constexpr std::int64_t k1459 = k1000 + (4 * 60 + 59) * 60;

class RefusedBets : public MainWindowTest {
protected:
    RefusedBets() : MainWindowTest(k1459) {}
    void SetUp() override {
        installClient();
        start();
        ASSERT_TRUE(run().enterIntoList("東京 1R 単勝 1 100\r\n阪神 1R 単勝 2 300\r\n"));
    }
    simhome::ProgramRun::BetOutcome placeBets() {
        simhome::ProgramRun::BetOutcome outcome;
        EXPECT_TRUE(run().placeBets(outcome)) << "the run did not end";
        return outcome;
    }
    std::string betLog() const { return testsupport::readBytes(home.file("bets/BT981205.LOG")); }
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const auto& seen : user.seenFrom(simhome::kOrnelProgram))
            if (seen.info.isMessageBox) texts.push_back(seen.info.text);
        return texts;
    }

    const std::string closed = "001: 東京  1R 単勝    01      100\r\n";
    const std::string open = "001: 阪神  1R 単勝    02      300\r\n";
    const std::string logged = "東京  1R 単勝    01      100 〆\r\n";
};

TEST_F(RefusedBets, InManualModeTheRunFailsWithTheRefusedBetsLeftAndOneBoxListingThem) {
    const auto outcome = placeBets();
    EXPECT_EQ(outcome.result, base::kRunFailed);
    EXPECT_EQ(testsupport::u8(ledgerText()), testsupport::u8(open));
    EXPECT_EQ(testsupport::u8(outcome.listAfter), testsupport::u8(closed)) << "exactly the refused bet";
    const auto texts = boxTexts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find("東京  1R 単勝    01      100 〆"), std::string::npos) << testsupport::u8(texts[0]);
    EXPECT_NE(betLog().find(logged), std::string::npos) << testsupport::u8(betLog());
}

// AUTO mode (as AutoMode presses 投票): nothing may stop the day.
TEST_F(RefusedBets, InAutoModeTheRunCompletesAndTheBetLogAndStatusBoxTellOfTheRefusal) {
    program().runControl.autoMode = 1;
    const auto outcome = placeBets();
    EXPECT_EQ(outcome.result, base::kRunFinished);
    EXPECT_EQ(testsupport::u8(ledgerText()), testsupport::u8(open));
    EXPECT_EQ(outcome.listAfter, "");
    EXPECT_TRUE(boxTexts().empty()) << "no box";
    EXPECT_NE(betLog().find(logged), std::string::npos) << testsupport::u8(betLog());
    const std::string status = run().controlText(ui::kIdStatusBox);
    EXPECT_EQ(status.rfind("受付不可      100/   1 Bet\r\n", 0), 0u) << testsupport::u8(status);
}

}  // namespace
}  // namespace mainwindow_test

// The 投票 command and the completion of a run on the main window: the
// bet text parsed, the amount limits asked, the buttons during and after
// the run, and the list afterwards.
#include <algorithm>

#include "base/strings.h"
#include "base/profile_store.h"
#include "frontends/cli/bet_window.h"
#include "frontends/simhome/client_install.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"
#include "runner_fixture.h"

namespace runnertest {
namespace {

class BetCommandTest : public RunnerTest {
protected:
    explicit BetCommandTest(std::int64_t start = k1000) : RunnerTest(start) {
        user.ignoreProgram(simhome::kClientProgram);
        desktop.setUser(&user);
    }
    ~BetCommandTest() override { desktop.setUser(nullptr); }

    // The program with the fixture's settings (a profile that is only
    // read) and its main window on the bet text.
    void makeWindow(const std::string& betText, int stopAfterLines) {
        asOrnel([&] {
            profileFile = std::make_unique<base::FileProfileStore>(home.file("Ornel.INI"));
            profile = std::make_unique<base::ReadOnlyProfileStore>(*profileFile);
            world = std::make_unique<cli::BetRunWorld>(*profile, clock.load());
            world->settings = settings;
            window = std::make_unique<cli::BetWindow>(*world, betText, stopAfterLines);
        });
    }
    // Runs the window until the run is complete.
    void runWindow(const std::string& betText, int stopAfterLines = 0) {
        makeWindow(betText, stopAfterLines);
        asOrnel([&] { window->doModal(0); });
    }
    std::vector<sim::ModalInfo> boxes() const {
        std::vector<sim::ModalInfo> shown;
        for (const auto& seen : user.seenFrom(kOrnel))
            if (seen.info.isMessageBox) shown.push_back(seen.info);
        return shown;
    }
    std::vector<plat::Uint> boxIds() const {
        std::vector<plat::Uint> ids;
        for (const auto& seen : user.seenFrom(kOrnel))
            if (seen.info.isMessageBox) ids.push_back(seen.info.helpId);
        return ids;
    }

    sim::ScriptedUser user;
    std::unique_ptr<base::ProfileStore> profileFile, profile;
    std::unique_ptr<cli::BetRunWorld> world;
    std::unique_ptr<cli::BetWindow> window;
};

constexpr const char* kText = "東京 1R 馬連 3-5 1000\r\n阪神 2R 単勝 7,9 500\r\n東京 3R 枠連 2-2 2000\r\n";

TEST_F(BetCommandTest, AFinishedRunClearsTheListAndReadsTheNewVoteLog) {
    install();
    runWindow(kText);
    EXPECT_EQ(window->runResult(), base::kRunFinished);
    EXPECT_EQ(ledgerText(), canonical({{"東京", 1, "馬連", {3, 5}, 1000},
                                       {"阪神", 2, "単勝", {7}, 500},
                                       {"阪神", 2, "単勝", {9}, 500},
                                       {"東京", 3, "枠連", {2, 2}, 2000}}));
    EXPECT_EQ(window->listAfter(), "");
    EXPECT_EQ(world->terms.todayPurchase, 4000) << "the vote log of the run was counted";
    EXPECT_EQ(world->run.runState.load(), base::kRunIdle);
    // Both limits (5000 yen per race and per vote) hold: no question.
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(BetCommandTest, AStoppedRunKeepsTheRestForTheNextRunNumberedAfresh) {
    install();
    settings.betDivideUnit = 2;
    runWindow(kText, 3);
    EXPECT_EQ(window->runResult(), base::kRunFailed);
    EXPECT_EQ(ledgerText(), canonical({{"東京", 1, "馬連", {3, 5}, 1000}, {"阪神", 2, "単勝", {7}, 500}}));
    EXPECT_EQ(window->listAfter(), canonical({{"阪神", 2, "単勝", {9}, 500}, {"東京", 3, "枠連", {2, 2}, 2000}}));
    EXPECT_EQ(world->run.runState.load(), base::kRunIdle);
}

TEST_F(BetCommandTest, TheAmountLimitsAreAskedAndNoStopsBeforeAnyRun) {
    install();
    settings.limitRace = 1000;
    user.answerId(base::kMsgRaceLimitExceeded, plat::IDNO);
    runWindow(kText);
    EXPECT_EQ(window->runResult(), base::kRunIdle);
    EXPECT_EQ(boxIds(), std::vector<plat::Uint>{base::kMsgRaceLimitExceeded});
    EXPECT_EQ(ledgerText(), "");
    const auto presses = pressed();
    EXPECT_EQ(std::count(presses.begin(), presses.end(), "Ｏ　Ｋ"), 0) << "no bet entered";
}

TEST_F(BetCommandTest, DuringTheRunOnlyStopCanBePressed) {
    install();
    makeWindow(kText, 0);
    bool closed = false;
    desktop.call(kOrnel, [&] {
        window->doModal(0);
        closed = true;
    }, 1);
    ASSERT_TRUE(desktop.runUntil([&] { return world->betList.listCount.load() == 1; }, 600'000)) << "a bet entered";
    std::string caption;
    std::vector<bool> enabled;
    asOrnel([&] {
        caption = plat::getWindowText(window->item(ui::kIdBet));
        for (const int id : {ui::kIdBet, ui::kIdBetList, ui::kIdAutoMode, ui::kIdLoad,
                             ui::kIdClear, ui::kIdMerge})
            enabled.push_back(plat::isWindowEnabled(window->item(id)));
    });
    EXPECT_EQ(caption, "STOP");
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, false, false, false}));
    ASSERT_TRUE(desktop.runUntil([&] { return closed; }, 3'600'000));
    EXPECT_EQ(window->runResult(), base::kRunFinished);
}

// 14:59: sales of 東京 1R (15:00) closed at 14:58; 東京 5R starts at 15:20.
constexpr std::int64_t k1459 = k1000 + (4 * 60 + 59) * 60;

class RefusedBetTest : public BetCommandTest {
protected:
    RefusedBetTest() : BetCommandTest(k1459) {}
    const std::string closed = canonical({{"東京", 1, "単勝", {1}, 100}});
    const std::string open = canonical({{"東京", 5, "単勝", {2}, 300}});
    const std::string text = "東京 1R 単勝 1 100\r\n東京 5R 単勝 2 300\r\n";
};

TEST_F(RefusedBetTest, InManualModeTheRunFailsWithTheRefusedBetsLeftAndOneBoxListingThem) {
    install();
    runWindow(text);
    EXPECT_EQ(window->runResult(), base::kRunFailed);
    EXPECT_EQ(ledgerText(), open);
    EXPECT_EQ(window->listAfter(), closed) << "exactly the refused bet";
    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("東京  1R 単勝    01      100"), std::string::npos) << testsupport::u8(shown[0].text);
    EXPECT_NE(shown[0].text.find("〆"), std::string::npos) << testsupport::u8(shown[0].text);
    EXPECT_NE(testsupport::readBytes(home.file("BT981205.LOG")).find("東京  1R 単勝    01      100 〆"),
              std::string::npos);
}

TEST_F(RefusedBetTest, InAutoModeTheRunCompletesAndTheBetLogAndStatusBoxTellOfTheRefusal) {
    install();
    makeWindow(text, 0);
    world->run.autoMode = 1;
    asOrnel([&] { window->doModal(0); });
    EXPECT_EQ(window->runResult(), base::kRunFinished);
    EXPECT_EQ(ledgerText(), open);
    EXPECT_EQ(window->listAfter(), "");
    EXPECT_TRUE(boxes().empty()) << "nothing blocks the day";
    const std::string log = testsupport::readBytes(home.file("BT981205.LOG"));
    EXPECT_NE(log.find("東京  1R 単勝    01      100 〆"), std::string::npos) << testsupport::u8(log);
    EXPECT_EQ(window->statusAfter().rfind("受付不可      100/   1 Bet\r\n", 0), 0u)
        << testsupport::u8(window->statusAfter());
}

}  // namespace
}  // namespace runnertest

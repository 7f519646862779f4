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
    BetCommandTest() {
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

}  // namespace
}  // namespace runnertest

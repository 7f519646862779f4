// AutoMode picking up files: the day's bet file on the third tick of each
// cycle while the list is empty, timer-bet files on the watch interval at
// the minute their name carries, and what a pickup leaves behind when its
// run does not start or another run is still going.
#include "auto_mode_fixture.h"

#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace automode_test {
namespace {

using Times = std::vector<std::string>;

TEST_F(AutoModeTest, ABetFileIsPlacedOnTheThirdTickWhenTheListIsEmpty) {
    writeBetFile("99032801.BET");
    host.runMs = 21'000;
    start();
    runTill("09:21:00");
    EXPECT_EQ(at("refresh"), Times{"09:20:06"});
    EXPECT_EQ(at("load 99032801.BET"), Times{"09:20:06"});
    EXPECT_EQ(at("bet"), Times{"09:20:06"});
    EXPECT_EQ(callsOf("refresh")[0].runSource, base::kRunSourceBetFile);
    EXPECT_EQ(at("finish"), Times{"09:20:28"}) << "the first tick after the run ended";
    EXPECT_EQ(run.runSource.load(), base::kRunSourceUser);
}

TEST_F(AutoModeTest, APickedUpFileWhoseRunDoesNotStartBlocksFurtherFilesUntilTheListIsEmpty) {
    writeBetFile("99032801.BET", "東京 1R 単勝 1 100\r\n");
    host.refuseRuns = true;
    start();
    runTill("09:20:07");
    writeBetFile("99032802.BET");
    runTill("09:22:00");
    EXPECT_EQ(at("load"), Times{"09:20:06"});
    EXPECT_EQ(listText(), "東京 1R 単勝 1 100\r\n") << "the lines stay for the user";
    EXPECT_EQ(run.runSource.load(), base::kRunSourceUser) << "no run: the source goes back";
    EXPECT_TRUE(betFileExists("99032802.BET"));

    desktop.act(0, [this] { plat::setWindowText(plat::getDlgItem(main, ui::kIdBetList), ""); });
    host.refuseRuns = false;
    runTill("09:22:20");
    EXPECT_EQ(at("load 99032802.BET"), Times{"09:22:06"});
    EXPECT_EQ(at("bet"), (Times{"09:20:06", "09:22:06"}));
    EXPECT_EQ(run.runState.load(), base::kRunRunning);
}

TEST_F(AutoModeTest, ACancelledLoadStartsNoRunAndLeavesNoSource) {
    writeBetFile("T3280921.BET");
    host.cancelLoads = true;
    start();
    runTill("09:21:30");
    EXPECT_EQ(at("load T3280921.BET"), Times{"09:21:00"});
    EXPECT_TRUE(at("bet").empty());
    EXPECT_EQ(run.runSource.load(), base::kRunSourceUser);
    EXPECT_EQ(listText(), "東京 1R 単勝 1 100\r\n") << "the lines imported stay for the user";
}

TEST_F(AutoModeTest, ARefusedBetFileIsTriedAgainNextCycleAndARefusedTimerBetFileIsNot) {
    writeBetFile("99032801.BET");
    writeBetFile("T3280921.BET");
    host.refreshResult = -1;
    start();
    runTill("09:21:30");
    EXPECT_EQ(at("refresh"), (Times{"09:20:06", "09:20:18", "09:20:30", "09:20:42", "09:20:54", "09:21:00",
                                    "09:21:06", "09:21:18", "09:21:30"}));
    EXPECT_TRUE(at("load").empty());
    EXPECT_EQ(callsOf("refresh")[5].runSource, base::kRunSourceTimerBet);
    EXPECT_EQ(run.runSource.load(), base::kRunSourceUser) << "the refused timer-bet file leaves no source";
    runTill("09:25:00");
    host.refreshResult = 0;
    runTill("09:26:00");
    EXPECT_EQ(at("load"), Times{"09:25:06"}) << "only the bet file";
    EXPECT_TRUE(betFileExists("T3280921.BET")) << "its minute has passed";
}

TEST_F(AutoModeTest, ATimerBetFileIsPlacedAtItsMinuteOnlyWhenItWasThereInTime) {
    writeBetFile("T3280930.BET");
    host.runMs = 10'000;
    start();
    runTill("09:31:00");
    EXPECT_EQ(at("load T3280930.BET"), Times{"09:30:00"});
    EXPECT_EQ(at("bet"), Times{"09:30:00"});
    EXPECT_EQ(callsOf("refresh")[0].runSource, base::kRunSourceTimerBet);
    EXPECT_EQ(callsOf("load")[0].runSource, base::kRunSourceTimerBet);

    runTill("09:45:00");
    writeBetFile("T3280930.BET");
    runTill("10:00:00");
    EXPECT_EQ(at("load"), Times{"09:30:00"}) << "a file for a minute already passed is left alone";
}

TEST_F(AutoModeTest, ATgpFileIsPlacedWhenThereIsNoBetFileForTheMinute) {
    writeBetFile("T3280925.TGP");
    writeBetFile("T3280926.BET");
    writeBetFile("T3280926.TGP");
    host.runMs = 10'000;
    start();
    runTill("09:27:00");
    EXPECT_EQ(at("load T3280925.TGP"), Times{"09:25:00"});
    EXPECT_EQ(callsOf("load")[0].runSource, base::kRunSourceTimerBet);
    EXPECT_EQ(at("load T3280926.BET"), Times{"09:26:00"});
    EXPECT_EQ(at("load").size(), 2u);
    EXPECT_TRUE(betFileExists("T3280926.TGP"));
}

TEST_F(AutoModeTest, AFileDueDuringARunWaitsForTheRunToBeCompletedAndDoesNotStopIt) {
    writeBetFile("99032801.BET");
    writeBetFile("T3280922.BET");
    settings.autoExitTime = 923;
    host.runMs = 291'000;
    start();
    runTill("09:29:59");
    // The first run lasts from 9:20:06 to 9:24:57; the timer-bet file, due
    // at 9:22, waits for the next watch interval.
    EXPECT_EQ(at("bet"), (Times{"09:20:06", "09:25:00"}));
    EXPECT_EQ(at("load"), (Times{"09:20:06", "09:25:00"}));
    EXPECT_EQ(at("finish"), (Times{"09:24:58", "09:29:52"}));
    EXPECT_EQ(callsOf("bet")[1].runState, base::kRunIdle) << "投票 was pressed with no run going";
    EXPECT_TRUE(at("close-client").empty()) << "the exit waits for the timer-bet run too";
    EXPECT_FALSE(closed);
    runTill("09:30:01");
    EXPECT_EQ(at("close-client"), Times{"09:30:00"});
    EXPECT_TRUE(closed);
}

TEST_F(AutoModeTest, TheMinutesAreWalkedEveryBetFileWatchDistanceSeconds) {
    writeBetFile("T3280923.BET");
    settings.autoExitTime = 925;
    host.runMs = 10'000;
    start();
    runTill("09:26:00");
    EXPECT_EQ(at("load"), Times{"09:23:00"});
    EXPECT_EQ(at("close-client"), Times{"09:25:00"});
    EXPECT_TRUE(closed);
    EXPECT_EQ(closedAt, "09:25:00");
    EXPECT_EQ(run.closeWithoutAsking.load(), 1);
}

TEST_F(AutoModeTest, ALongerWatchDistanceWalksTheMissedMinutesInOneGo) {
    writeBetFile("T3280923.BET");
    settings.betFileWatchDistance = 600;
    settings.autoExitTime = 925;
    host.runMs = 10'000;
    start();
    runTill("09:41:00");
    EXPECT_EQ(at("load"), Times{"09:30:00"});
    EXPECT_EQ(at("close-client"), Times{"09:40:00"}) << "not in the interval whose walk started a run";
}

TEST_F(AutoModeTest, ThePayoutsAreFetchedWhenTheWalkPassesTheirMinute) {
    settings.haraimodoshiInfoGetTime = 10000 + 923;
    start();
    runTill("09:30:00");
    EXPECT_EQ(at("payouts"), Times{"09:23:00"});
    settings.haraimodoshiInfoGetTime = 20000 + 931;  // report only, no automatic fetch
    runTill("09:35:00");
    EXPECT_EQ(at("payouts"), Times{"09:23:00"});
}

TEST_F(AutoModeTest, WithAutoModeOffNothingIsPickedUpButRunsVoteLogsAndAlarmsGoOn) {
    writeBetFile("99032801.BET");
    writeBetFile("T3280921.BET");
    settings.autoExitTime = 921;
    settings.haraimodoshiInfoGetTime = 10000 + 921;
    raceAt(1, 926);
    run.runState.store(base::kRunFinished);
    start(false);
    runTill("09:23:00");
    EXPECT_TRUE(at("load").empty());
    EXPECT_TRUE(at("refresh").empty());
    EXPECT_TRUE(at("payouts").empty());
    EXPECT_TRUE(at("close-client").empty());
    EXPECT_EQ(at("finish"), Times{"09:20:02"});
    EXPECT_EQ(at("votelog"), (Times{"09:20:12", "09:20:24", "09:20:36", "09:20:48", "09:21:00", "09:21:12",
                                    "09:21:24", "09:21:36", "09:21:48", "09:22:00", "09:22:12", "09:22:24",
                                    "09:22:36", "09:22:48", "09:23:00"}));
    EXPECT_EQ(alarms(), Times{"09:21:00"});
}

TEST_F(AutoModeTest, ATickWhileABoxOfTheLastTickIsOpenDoesNothing) {
    writeBetFile("99032801.BET");
    host.askFirst = true;
    host.runMs = 1000;
    user.setDelay(30'000);
    start();
    runTill("09:21:00");
    EXPECT_EQ(at("refresh"), Times{"09:20:06"});
    EXPECT_EQ(at("bet"), Times{"09:20:36"}) << "after the box was answered";
    // The ticks while the box was open did nothing: no vote-log refresh at
    // 9:20:12 or 9:20:24, and the cycle went on where it had stopped.
    EXPECT_EQ(at("votelog"), (Times{"09:20:42", "09:20:54"}));
    EXPECT_EQ(at("finish"), Times{"09:20:38"});
}

}  // namespace
}  // namespace automode_test

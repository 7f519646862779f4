// Taking turns on the virtual clock: order, durations, actions, real time.
#include <thread>

#include "sim_fixture.h"
#include "support/support.h"

using namespace simtest;
using Strings = std::vector<std::string>;

namespace {

long long wallMsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST_F(SimTest, ThreadsInterleaveByTheirSleepsInAFixedOrder) {
    desktop.startProgram("a", "", [&] {
        for (int i = 0; i < 3; ++i) {
            noteAt("a" + std::to_string(i));
            plat::sleep(100);
        }
    });
    desktop.startProgram("b", "", [&] {
        plat::sleep(50);
        for (int i = 0; i < 3; ++i) {
            noteAt("b" + std::to_string(i));
            plat::sleep(100);
        }
    });
    // Same wake time: the one that went to sleep first runs first.
    desktop.startProgram("c", "", [&] {
        plat::sleep(100);
        noteAt("c");
    });
    EXPECT_TRUE(desktop.run());
    EXPECT_EQ(log, (Strings{"0:a0", "50:b0", "100:a1", "100:c", "150:b1", "200:a2", "250:b2"}));
    EXPECT_EQ(desktop.virtualMs(), 350);
}

TEST_F(SimTest, LongSleepCostsNoWallTimeAndMovesTheClock) {
    auto start = std::chrono::steady_clock::now();
    std::int64_t before = 0, after = 0;
    std::uint32_t tickBefore = 0, tickAfter = 0;
    ASSERT_TRUE(desktop.call("ornel", [&] {
        before = plat::now();
        tickBefore = plat::tickCount();
        plat::sleep(5000);
        after = plat::now();
        tickAfter = plat::tickCount();
    }));
    EXPECT_LT(wallMsSince(start), 1000);  // far below the 5 s slept, even on a busy machine
    EXPECT_EQ(desktop.virtualMs(), 5000);
    EXPECT_EQ(before, kStartTime);
    EXPECT_EQ(after, kStartTime + 5);
    EXPECT_EQ(tickAfter - tickBefore, 5000u);
}

TEST_F(SimTest, ActRunsOnAUserThreadAtItsVirtualTime) {
    desktop.runFor(1000);
    desktop.act(250, [&] { noteAt(sim::currentProgramName()); });
    desktop.act(100, [&] {
        noteAt("early");
        plat::sleep(500);
        noteAt("late");
    });
    desktop.runFor(200);
    EXPECT_EQ(log, (Strings{"1100:early"}));
    EXPECT_TRUE(desktop.run());
    EXPECT_EQ(log, (Strings{"1100:early", "1250:user", "1600:late"}));
}

TEST_F(SimTest, RunStopsAtItsLimitsAndCallReportsAThreadThatNeverReturns) {
    desktop.startProgram("ticker", "", [] {
        for (;;) plat::sleep(1000);
    });
    EXPECT_FALSE(desktop.run(10'000));
    EXPECT_EQ(desktop.virtualMs(), 10'000);

    int seen = 0;
    EXPECT_TRUE(desktop.runUntil([&] { return ++seen >= 3; }, 60'000));
    EXPECT_LT(desktop.virtualMs(), 13'000);

    plat::Msg msg;
    EXPECT_FALSE(desktop.call("stuck", [&] { plat::getMessage(msg); }, 5'000));
    // The blocked threads unwind when the desktop goes away.
}

// The desktop goes with threads still blocked: a worker, which may use what
// lives on the stack of the thread that started it, unwinds first.
TEST(SimTeardown, AWorkerUnwindsBeforeTheThreadThatStartedIt) {
    struct Note {
        Strings& notes;
        std::string text;
        ~Note() { notes.push_back(text); }
    };
    Strings notes;
    {
        testsupport::TempDir dir;
        sim::Desktop desktop(sim::Desktop::Options{dir.path()});
        desktop.startProgram("app", "", [&] {
            const Note starter{notes, "starter"};
            plat::startThread([&] {
                const Note worker{notes, "worker of " + starter.text};
                plat::sleep(3'600'000);
            });
            plat::sleep(3'600'000);
        });
        desktop.runFor(1'000);
    }
    EXPECT_EQ(notes, (Strings{"worker of starter", "starter"}));
}

TEST_F(SimTest, StartedThreadsBelongToTheirProgram) {
    std::string childProgram;
    plat::ThreadId mainId = 0, childId = 0;
    sim::ProgramId id = desktop.startProgram("client", "/opt/client/Client.exe", [&] {
        mainId = plat::currentThreadId();
        plat::startThread([&] {
            childId = plat::currentThreadId();
            childProgram = sim::currentProgramName() + "|" + sim::currentProgramExePath();
            plat::sleep(100);
        });
        plat::sleep(50);
    });
    EXPECT_TRUE(desktop.programRunning(id));
    EXPECT_TRUE(desktop.run());
    EXPECT_FALSE(desktop.programRunning(id));
    EXPECT_NE(mainId, childId);
    EXPECT_EQ(childProgram, "client|/opt/client/Client.exe");
    EXPECT_EQ(sim::currentProgramName(), "");
}

// Marks the wall time before the desktop exists: the real-time clock counts
// from the desktop's creation, so virtual time is compared with this mark.
struct WallMark {
    std::chrono::steady_clock::time_point created = std::chrono::steady_clock::now();
};

class RealTimeTest : protected WallMark, public SimTest {
protected:
    RealTimeTest() : SimTest(true) {}
};

TEST_F(RealTimeTest, InjectedActionWakesTheSchedulerAndStopEndsIt) {
    plat::Hwnd window = 0;
    desktop.startProgram("app", "", [&] {
        window = makeWindow("app", plat::WS_VISIBLE, {0, 0, 100, 100});
        plat::Msg msg;
        while (plat::getMessage(msg)) {
            plat::dispatchMessage(msg);
            if (msg.message == plat::WM_USER) {
                plat::sleep(30);  // takes real time here
                noteAt("handled");
                desktop.stop();
            }
        }
    });
    auto start = std::chrono::steady_clock::now();
    std::thread input([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        desktop.inject([&] { plat::postMessage(window, plat::WM_USER, 0, 0); });
    });
    desktop.runRealTime();
    input.join();
    long long wall = wallMsSince(start);
    // 40 ms before the input plus the 30 ms sleep; the virtual clock counts
    // whole milliseconds, so allow a little less.
    EXPECT_GE(wall, 65);
    EXPECT_LT(wall, 2000);
    ASSERT_EQ(log.size(), 2u);  // the logged WM_USER, then "handled"
    EXPECT_GE(desktop.virtualMs(), 65);
    EXPECT_LE(desktop.virtualMs(), wallMsSince(created) + 1);
}

class FastRealTimeTest : protected WallMark, public SimTest {
protected:
    static constexpr int kSpeed = 100;
    FastRealTimeTest() : SimTest(true, kSpeed) {}
};

TEST_F(FastRealTimeTest, TheVirtualClockRunsSpeedTimesTheWallClock) {
    std::int64_t wokeAt = 0;
    desktop.startProgram("app", "", [&] {
        plat::sleep(2000);  // 20 ms of wall time at speed 100
        wokeAt = desktop.virtualMs();
        desktop.stop();
    });
    auto start = std::chrono::steady_clock::now();
    desktop.runRealTime();
    const long long wall = wallMsSince(start);
    EXPECT_GE(wokeAt, 2000);
    EXPECT_GE(wall, 19);
    EXPECT_LT(wall, 1000);
    // The clock never runs ahead of speed times the wall time since the
    // desktop was made.
    EXPECT_LE(desktop.virtualMs(), (wallMsSince(created) + 1) * kSpeed);
}

TEST_F(SimTest, BlockingCallsOnTheHarnessThreadStopWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(plat::sleep(10), "sleep blocks and was called on the harness thread");
    plat::Msg msg;
    EXPECT_DEATH(plat::getMessage(msg), "getMessage blocks");
    // Non-blocking calls work there: a send runs the procedure at once.
    plat::Hwnd w = makeWindow("inline", 0, {});
    EXPECT_EQ(plat::sendMessage(w, plat::WM_GETTEXTLENGTH, 0, 0), 6);
}

// The auto exit: at the first watch interval at or after "Auto Exit Time"
// in AUTO mode the client is closed and the program closes without asking,
// or, with the power-off switch, Windows is asked to power off and the
// program quits whether or not the request is taken.
#include "auto_mode_fixture.h"

#include "platform/wintypes.h"

namespace automode_test {
namespace {

using Times = std::vector<std::string>;

class AutoExitTest : public AutoModeTest {
protected:
    explicit AutoExitTest(bool refusePowerOff = false) : AutoModeTest(k1655, refusePowerOff) {}

    std::vector<std::int64_t> powerOffs() const {
        std::vector<std::int64_t> flags;
        for (const sim::TraceEvent& e : desktop.trace())
            if (e.kind == sim::TraceEvent::Kind::PowerOff) flags.push_back(e.value);
        return flags;
    }
};

class RefusedPowerOffTest : public AutoExitTest {
protected:
    RefusedPowerOffTest() : AutoExitTest(true) {}
};

TEST_F(AutoExitTest, TheSwitchedOffExitNeverCloses) {
    settings.autoExitTime = 21700;
    start();
    runTill("17:30:00");
    EXPECT_TRUE(at("close-client").empty());
    EXPECT_FALSE(closed);
}

TEST_F(AutoExitTest, AtTheSetTimeTheClientAndTheProgramCloseWithoutAsking) {
    settings.autoExitTime = 1700;
    start();
    runTill("17:05:00");
    EXPECT_EQ(at("close-client"), Times{"17:00:00"});
    EXPECT_TRUE(closed);
    EXPECT_EQ(closedAt, "17:00:00");
    EXPECT_EQ(run.closeWithoutAsking.load(), 1);
    EXPECT_TRUE(powerOffs().empty());
}

TEST_F(AutoExitTest, InManualModeThereIsNoAutoExit) {
    settings.autoExitTime = 1700;
    start(false);
    runTill("17:05:00");
    EXPECT_TRUE(at("close-client").empty());
    EXPECT_FALSE(closed);
}

TEST_F(AutoExitTest, WithThePowerOffSwitchWindowsIsAskedToPowerOffAndTheProgramQuits) {
    settings.autoExitTime = 11700;
    start();
    runTill("17:05:00");
    EXPECT_EQ(at("close-client"), Times{"17:00:00"});
    EXPECT_EQ(powerOffs(), std::vector<std::int64_t>{plat::EWX_POWEROFF});
    EXPECT_TRUE(closed);
    EXPECT_EQ(closedAt, "17:00:00");
    EXPECT_EQ(run.closeWithoutAsking.load(), 0) << "a quit, not a close request";
    EXPECT_TRUE(run.autoState.tickOpen) << "no tick may run after the quit";
}

TEST_F(RefusedPowerOffTest, APowerOffThatIsRefusedStillClosesTheProgram) {
    settings.autoExitTime = 11700;
    start();
    runTill("17:05:00");
    EXPECT_EQ(powerOffs(), std::vector<std::int64_t>{plat::EWX_POWEROFF});
    EXPECT_TRUE(closed);
    EXPECT_EQ(closedAt, "17:00:00");
}

}  // namespace
}  // namespace automode_test

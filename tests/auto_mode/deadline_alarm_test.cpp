// The deadline alarm: checked once a minute, it sounds "Shimekiri mae"
// minutes before each race's start time between 9:00 and 17:00, once per
// minute however many races start in it; the wave file plays when it has
// data and the caption flashes and returns to how it was.
#include "auto_mode_fixture.h"

#include "platform/clock.h"
#include "platform/window.h"

namespace automode_test {
namespace {

using Times = std::vector<std::string>;

class EarlyAlarmTest : public AutoModeTest {
protected:
    EarlyAlarmTest() : AutoModeTest(k0850) {}
};

class MorningAlarmTest : public AutoModeTest {
protected:
    MorningAlarmTest() : AutoModeTest(k1010) {}
};

class EveningAlarmTest : public AutoModeTest {
protected:
    EveningAlarmTest() : AutoModeTest(k1655) {}
};

TEST_F(MorningAlarmTest, TheFirstCheckCoversTheNextMinutesAndEachLaterOneItsOwnMinute) {
    raceAt(1, 1014);
    raceAt(2, 1016);
    raceAt(3, 1030);
    raceAt(3, 1030, 1);  // two racecourses in the same minute: one alarm
    raceAt(4, 1031, 2);
    start(false);
    runTill("10:40:00");
    EXPECT_EQ(alarms(), (Times{"10:11:00", "10:11:00", "10:24:00", "10:25:00"}));
}

TEST_F(EarlyAlarmTest, ARaceJustAfterNineSoundsBeforeNineAndTheVoteLogWaitsForNine) {
    raceAt(1, 903);
    start(false);
    runTill("09:01:00");
    EXPECT_EQ(alarms(), Times{"08:57:00"});
    EXPECT_EQ(at("votelog"), (Times{"09:00:00", "09:00:12", "09:00:24", "09:00:36", "09:00:48", "09:01:00"}));
}

TEST_F(EveningAlarmTest, NoAlarmForAStartAfterFive) {
    settings.shimekiriMae = 2;
    raceAt(11, 1659);
    raceAt(12, 1705);
    start(false);
    runTill("17:10:00");
    EXPECT_EQ(alarms(), Times{"16:57:00"});
}

TEST_F(MorningAlarmTest, TheWaveFilePlaysWhenItHasDataAndTheCaptionIsFlashedBack) {
    settings.annaiWaveFile = dir.file("annai.wav");
    raceAt(1, 1016);
    raceAt(2, 1018);
    start(false);
    runTill("10:11:30");
    testsupport::writeBytes(settings.annaiWaveFile, "RIFF");
    desktop.act(0, [this] { plat::setForegroundWindow(main); });
    runTill("10:13:00");

    std::vector<std::int64_t> soundAt, flashAt;
    std::vector<std::int64_t> flashes;
    for (const sim::TraceEvent& e : desktop.trace()) {
        if (e.kind == sim::TraceEvent::Kind::Sound) soundAt.push_back(e.timeMs);
        if (e.kind != sim::TraceEvent::Kind::Flash) continue;
        flashAt.push_back(e.timeMs);
        flashes.push_back(e.value);
    }
    // 10:16 at the first check, with the file still empty: no sound.
    // 10:18 at 10:12 with the file written: the sound, then the flashes.
    ASSERT_EQ(soundAt.size(), 1u);
    EXPECT_EQ(soundAt[0], 120'000);
    ASSERT_EQ(flashAt.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(flashAt[i], (i < 6 ? 60'000 : 120'000) + static_cast<std::int64_t>(i % 6) * 150) << i;
    // Inverted and restored in turn; the last call passes what the first
    // one reported (inactive, then active after the window came forward),
    // so the caption ends as it began.
    EXPECT_EQ(flashes, (std::vector<std::int64_t>{1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 1}));
}

}  // namespace
}  // namespace automode_test

// AutoMode in the whole program with the replacement client: a bet file
// dropped into the bet-file directory is placed once and the list cleared,
// a timer-bet file is placed at its minute — after a run that is still
// going, which it leaves alone — and the program closes itself at the exit
// time, with or without asking Windows to power off.
#include <filesystem>
#include <set>

#include "base/strings.h"
#include "main_window_fixture.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace mainwindow_test {
namespace {

using testsupport::u8;

constexpr const char* kFirstFile = "東京 1R 馬連 3-5 1000\r\n阪神 2R 単勝 7,9 500\r\n";
constexpr const char* kTimerFile = "東京 3R 複勝 4 300\r\n";
// Eight votes of one bet each: a run of a few minutes.
constexpr const char* kLongFile =
    "東京 1R 単勝 1,2,3,4 100\r\n"
    "阪神 1R 単勝 1,2,3,4 100\r\n";

class AutoModeRun : public MainWindowTest {
protected:
    // The program in AUTO mode from its start-up at 10:00, the client
    // started by it.
    void startAuto(const std::vector<std::string>& defineLines = {}) {
        std::vector<std::string> lines = {"Auto Mode=1", "SkipCyuui=1"};
        lines.insert(lines.end(), defineLines.begin(), defineLines.end());
        installClient(lines);
        start();
        ASSERT_EQ(program().runControl.autoMode.load(), 1);
    }
    void dropFile(const std::string& name, const std::string& text) {
        desktop.act(0, [this, name, text] {
            plat::TextFile file;
            ASSERT_TRUE(file.open(home.file("bets/" + name), plat::TextFile::Mode::Write));
            std::string lines;
            for (const char c : text)
                if (c != '\r') lines += c;
            file.write(lines);
            file.close();
        });
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(home.file("bets/" + name)); }
    // Runs until the local time "HH:MM" of the test day.
    void runTill(int hhmm) {
        plat::LocalTime t = plat::localTime(k1000);
        t.hour = hhmm / 100;
        t.minute = hhmm % 100;
        desktop.runUntil([] { return false; }, (plat::fromLocalTime(t) - k1000) * 1000 - desktop.virtualMs());
    }
    std::string listText() { return run().controlText(ui::kIdBetList); }
    int powerOffs() const {
        int n = 0;
        for (const sim::TraceEvent& e : desktop.trace()) n += e.kind == sim::TraceEvent::Kind::PowerOff;
        return n;
    }
};

TEST_F(AutoModeRun, ADroppedBetFileIsPlacedOnceAndTheListClearedForTheNext) {
    startAuto();
    dropFile("98120501.BET", kFirstFile);
    runTill(1010);
    EXPECT_EQ(u8(ledgerText()), u8("001: 東京  1R 馬連 03-05     1000\r\n"
                                   "002: 阪神  2R 単勝    07      500\r\n"
                                   "003: 阪神  2R 単勝    09      500\r\n"));
    EXPECT_TRUE(exists("98120501.Sav"));
    EXPECT_EQ(listText(), "");
    EXPECT_EQ(program().runControl.runState.load(), base::kRunIdle);
    EXPECT_EQ(program().runControl.runSource.load(), base::kRunSourceUser);
    EXPECT_EQ(program().terms.todayPurchase, 2000) << "the vote log of the run was counted";
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(AutoModeRun, ATimerBetFileDueDuringARunIsPlacedAfterItAndDoesNotStopIt) {
    startAuto({"Bet Divide Unit=1"});
    dropFile("98120501.BET", kLongFile);
    dropFile("TC051001.BET", kTimerFile);
    bool stopped = false;
    std::int64_t firstRunEndMs = 0;
    std::int64_t timerFileGoneMs = 0;
    bool timerFileSeen = false;
    // What the driver reads while the timer-bet file's run lasts.
    std::set<int> timerRunSources;
    desktop.runUntil([&] {
        const std::int16_t state = program().runControl.runState.load();
        if (timerFileGoneMs != 0 && state == base::kRunRunning)
            timerRunSources.insert(program().runControl.runSource.load());
        stopped = stopped || state == base::kRunStopRequested;
        if (firstRunEndMs == 0 && state == base::kRunFinished) firstRunEndMs = desktop.virtualMs();
        const bool timerFileThere = exists("TC051001.BET");
        timerFileSeen = timerFileSeen || timerFileThere;
        if (timerFileGoneMs == 0 && timerFileSeen && !timerFileThere) timerFileGoneMs = desktop.virtualMs();
        return false;
    }, 15 * 60 * 1000);
    EXPECT_FALSE(stopped);
    ASSERT_GT(firstRunEndMs, 60 * 1000) << "the first run lasted past 10:01";
    EXPECT_GT(timerFileGoneMs, firstRunEndMs) << "the timer-bet file was loaded after the run";
    EXPECT_EQ(u8(ledgerText()), u8("001: 東京  1R 単勝    01      100\r\n"
                                   "002: 東京  1R 単勝    02      100\r\n"
                                   "003: 東京  1R 単勝    03      100\r\n"
                                   "004: 東京  1R 単勝    04      100\r\n"
                                   "005: 阪神  1R 単勝    01      100\r\n"
                                   "006: 阪神  1R 単勝    02      100\r\n"
                                   "007: 阪神  1R 単勝    03      100\r\n"
                                   "008: 阪神  1R 単勝    04      100\r\n"
                                   "009: 東京  3R 複勝    04      300\r\n"));
    EXPECT_TRUE(exists("TC051001.Sav"));
    EXPECT_EQ(timerRunSources, std::set<int>{base::kRunSourceTimerBet}) << "a timer-bet run throughout";
    EXPECT_EQ(program().runControl.runSource.load(), base::kRunSourceUser) << "until it was completed";
    EXPECT_TRUE(boxIds().empty()) << "no failed run, no question";
}

TEST_F(AutoModeRun, AtTheExitTimeTheClientAndTheProgramCloseWithoutAsking) {
    startAuto({"Auto Exit Time=1005"});
    ASSERT_FALSE(desk.clientForms().empty());
    runTill(1006);
    EXPECT_TRUE(run().ended());
    EXPECT_TRUE(desk.clientForms().empty()) << "the client was closed";
    EXPECT_EQ(profileText().find("Frame Pos"), std::string::npos) << "the placement is not saved";
    EXPECT_EQ(powerOffs(), 0);
}

TEST_F(AutoModeRun, WithThePowerOffSwitchWindowsIsAskedToPowerOffAndTheProgramEnds) {
    startAuto({"Auto Exit Time=11005"});
    runTill(1006);
    EXPECT_TRUE(run().ended());
    EXPECT_TRUE(desk.clientForms().empty());
    EXPECT_EQ(powerOffs(), 1);
}

}  // namespace
}  // namespace mainwindow_test

// AutoMode in the whole program with the replacement client: a bet file
// dropped into the bet-file directory is placed once and the list cleared,
// a timer-bet file is placed at its minute — after a run that is still
// going, which it leaves alone — and the program closes itself at the exit
// time, with or without asking Windows to power off.  A stopped run asks
// whether to go on by hand; a load cancelled at a question places nothing;
// a whole day of files is placed once each.
#include <algorithm>
#include <filesystem>
#include <functional>
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
    // Runs until the local time "HH:MM" of the test day, calling watch (when
    // given) at every step.
    void runTill(int hhmm, const std::function<void()>& watch = {}) {
        plat::LocalTime t = plat::localTime(k1000);
        t.hour = hhmm / 100;
        t.minute = hhmm % 100;
        desktop.runUntil([&] {
            if (watch) watch();
            return false;
        }, (plat::fromLocalTime(t) - k1000) * 1000 - desktop.virtualMs());
    }
    std::string listText() { return run().controlText(ui::kIdBetList); }
    // When the client wrote its payout files ("HHMMSS" each).
    std::vector<std::string> payoutFileTimes() const {
        std::vector<std::string> times;
        for (const auto& entry : std::filesystem::directory_iterator(desk.clientDir())) {
            if (entry.path().filename().string().rfind("Th-", 0) != 0) continue;
            plat::FileInfo info;
            for (const plat::FileInfo& f : plat::findFiles(entry.path().string())) info = f;
            const plat::LocalTime t = plat::localTime(info.lastWrite);
            char hhmmss[8];
            std::snprintf(hhmmss, sizeof hhmmss, "%02d%02d%02d", t.hour, t.minute, t.second);
            times.push_back(hhmmss);
        }
        return times;
    }
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

// A day in AUTO mode from 10:00 to the exit at 17:00: bet files dropped
// two at once and one by one, timer-bet files (.BET and .TGP, one due while
// another run lasts, one due with a bet file), the payout fetch at its
// minute.  Every bet is placed exactly once, no run is asked to stop, every
// file ends as .Sav, and the program closes at its exit time.
TEST_F(AutoModeRun, ADayOfFilesIsPlacedOnceEachAndTheProgramClosesAtItsExitTime) {
    startAuto({"Auto Exit Time=1700", "Haraimodoshi Info Get Time=11630"});
    const std::vector<std::pair<std::string, std::string>> files = {
        {"98120501.BET", "東京 1R 単勝 1 100\r\n"}, {"98120502.BET", "東京 1R 単勝 2 100\r\n"},
        {"98120503.BET", "東京 2R 単勝 3 100\r\n"}, {"TC051130.BET", "東京 2R 単勝 4 100\r\n"},
        {"TC051200.TGP", "東京 3R 単勝 5 100\r\n"}, {"TC051201.BET", "東京 3R 単勝 6 100\r\n"},
        {"98120504.BET", "阪神 1R 単勝 7 100\r\n"}, {"TC051300.BET", "阪神 1R 単勝 8 100\r\n"},
    };
    bool stopped = false;
    auto runTillWatching = [&](int hhmm) {
        runTill(hhmm, [&] { stopped = stopped || program().runControl.runState.load() == base::kRunStopRequested; });
    };
    runTillWatching(1005);
    dropFile(files[0].first, files[0].second);
    dropFile(files[1].first, files[1].second);
    runTillWatching(1100);
    dropFile(files[2].first, files[2].second);
    for (int i = 3; i < 6; ++i) dropFile(files[i].first, files[i].second);
    runTillWatching(1259);
    dropFile(files[6].first, files[6].second);
    dropFile(files[7].first, files[7].second);
    runTillWatching(1629);
    EXPECT_TRUE(payoutFileTimes().empty());
    runTillWatching(1659);
    const std::vector<std::string> fetched = payoutFileTimes();
    EXPECT_FALSE(fetched.empty());
    for (const std::string& time : fetched) EXPECT_EQ(time.substr(0, 4), "1630") << "fetched at its minute";
    EXPECT_FALSE(run().ended());
    runTillWatching(1702);

    std::multiset<std::string> placed;
    const std::string ledger = ledgerText();
    for (std::size_t at = 0; at < ledger.size();) {
        const std::size_t end = ledger.find("\r\n", at);
        placed.insert(ledger.substr(at + 5, end - at - 5));  // without "NNN: "
        at = end + 2;
    }
    std::multiset<std::string> expected;
    for (int horse = 1; horse <= 8; ++horse) {
        const char* race = horse <= 2 ? "東京  1R" : horse <= 4 ? "東京  2R" : horse <= 6 ? "東京  3R" : "阪神  1R";
        char line[64];
        std::snprintf(line, sizeof line, "%s 単勝    %02d      100", race, horse);
        expected.insert(line);
    }
    EXPECT_EQ(placed, expected) << u8(ledger);
    EXPECT_FALSE(stopped) << "no run was asked to stop";
    for (const auto& [name, text] : files) {
        EXPECT_FALSE(exists(name)) << name;
        EXPECT_TRUE(exists(name.substr(0, name.size() - 4) + ".Sav")) << name;
    }
    EXPECT_TRUE(run().ended()) << "closed at the exit time";
    EXPECT_TRUE(desk.clientForms().empty());
    EXPECT_TRUE(boxIds().empty());
}

// A load cancelled at a header's question keeps the lines imported before
// it and leaves the file to be offered again: placing those lines at once
// would place them a second time when the file comes round again.
TEST_F(AutoModeRun, ALoadCancelledAtAQuestionStartsNoRunAndPlacesNothingTwice) {
    startAuto();
    user.answerId(8138, plat::IDNO);
    dropFile("98120501.BET",
             "東京 98年12月 5日 5回 3日\r\n 1R 単勝 1 100\r\n"
             "阪神 98年12月 5日 5回 9日\r\n 1R 単勝 2 100\r\n");
    runTill(1003);
    EXPECT_EQ(ledgerText(), "") << "nothing placed from a cancelled load";
    EXPECT_TRUE(exists("98120501.BET")) << "the file stays to be offered again";
    EXPECT_EQ(u8(listText()), u8("001: 東京  1R 単勝    01      100\r\n")) << "the lines imported stay for the user";
    EXPECT_EQ(boxIds(), std::vector<plat::Uint>{8138}) << "asked once: the list is not empty";
    EXPECT_EQ(program().runControl.runState.load(), base::kRunIdle);
}

// A run of AUTO mode that is stopped asks whether to go on by hand: Yes
// switches to manual mode with the bets not placed in the list, No clears
// them and the next file is picked up as usual.
class StoppedAutoRun : public AutoModeRun, public ::testing::WithParamInterface<int> {};

TEST_P(StoppedAutoRun, AsksWhetherToGoOnByHand) {
    const bool byHand = GetParam() == plat::IDYES;
    startAuto({"Bet Divide Unit=1"});
    user.answerId(8158, GetParam());
    dropFile("98120501.BET", kLongFile);
    ASSERT_TRUE(desktop.runUntil([&] { return !ledgerText().empty(); }, 600'000));
    const plat::Hwnd window = main();
    ASSERT_TRUE(desktop.call("user", [window] { sim::pressButton(window, ui::kIdBet); }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().runControl.runState.load() == base::kRunIdle; }, 3'600'000));
    ASSERT_TRUE(run().settle());
    EXPECT_EQ(boxIds(), std::vector<plat::Uint>{8158});
    const std::string placed = ledgerText();
    const std::size_t placedCount = std::count(placed.begin(), placed.end(), '\n');
    ASSERT_LT(placedCount, 8u) << "the run was stopped before its end";
    EXPECT_EQ(program().runControl.autoMode.load(), byHand ? 0 : 1);
    const std::string left = listText();
    const std::size_t leftCount = std::count(left.begin(), left.end(), '\n');
    EXPECT_EQ(leftCount, byHand ? 8 - placedCount : 0u);
    if (byHand) {
        EXPECT_EQ(left.rfind("001: ", 0), 0u) << "numbered afresh";
    }
    EXPECT_EQ(plat::isWindowEnabled(run().control(ui::kIdBetList)), true);
    EXPECT_EQ(plat::isWindowEnabled(run().control(ui::kIdBet)), byHand);
    EXPECT_EQ(plat::isWindowEnabled(run().control(ui::kIdLoad)), byHand);
    EXPECT_EQ(run().controlText(ui::kIdAutoMode), byHand ? "AUTO" : "MANU");

    dropFile("98120502.BET", kTimerFile);
    runTill(1030);
    EXPECT_EQ(exists("98120502.Sav"), !byHand) << "AUTO mode picks up the next file";
}

INSTANTIATE_TEST_SUITE_P(Answers, StoppedAutoRun, ::testing::Values(plat::IDYES, plat::IDNO));

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

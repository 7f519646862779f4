// End to end on Windows: Ornel's main window places a dozen bets of several
// kinds through Pat95.exe, a separate process it starts by shell execute,
// logging in and reading the day's terms first; the client's ledger then
// holds every bet exactly once.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "base/credentials.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "base/settings_keys.h"
#include "betclient/centre/centre.h"
#include "betclient/centre/client_registry.h"
#include "betclient/centre/day_text.h"
#include "frontends/cli/batch_host.h"
#include "frontends/cli/bet_window.h"
#include "frontends/cli/ledger_lines.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sjis.h"
#include "platform/window.h"

#include <windows.h>

namespace {

constexpr const char* kClientExe = "Pat95.exe";
constexpr const char* kClientMainClass = "ThunderRTMain";

constexpr int kMessageWaitMs = 50;
constexpr int kActionWaitMs = 100;
constexpr int kWindowOpenWaitS = 10;

// Races start well after the test's local time (the Wine harness runs the
// test in a zone where it is mid-morning), so every race is on sale.
constexpr const char* kDayBody =
    "account user=11112222 password=0123 limit=100000 balance=100000\n"
    "meeting 東京 kai=3 nichime=2\n"
    "race 9 sale=15 start=15:00 horses=777777777777\n"
    "race 10 sale=15 start=15:30 horses=777777777777\n"
    "race 11 sale=15 start=16:00 horses=777777777777\n"
    "meeting 阪神 kai=2 nichime=4\n"
    "race 11 sale=15 start=16:05 horses=777777777777\n"
    "race 12 sale=15 start=16:40 horses=777777777777\n";

// Twelve bets of all four kinds over five races, in list order.
constexpr const char* kBets =
    "東京 9R 単勝 1 100\n"
    "東京 9R 複勝 2 200\n"
    "東京 10R 枠連 1-2 300\n"
    "東京 10R 馬連 3-5 400\n"
    "東京 11R 単勝 7 100\n"
    "東京 11R 馬連 1-4 500\n"
    "阪神 11R 複勝 3 100\n"
    "阪神 11R 馬連 2-6 200\n"
    "阪神 12R 単勝 8 300\n"
    "阪神 12R 複勝 5 200\n"
    "阪神 12R 枠連 3-4 100\n"
    "阪神 12R 馬連 7-8 100\n";

constexpr const char* kPlaced =
    "001: 東京  9R 単勝    01      100\r\n"
    "002: 東京  9R 複勝    02      200\r\n"
    "003: 東京 10R 枠連 01-02      300\r\n"
    "004: 東京 10R 馬連 03-05      400\r\n"
    "005: 東京 11R 単勝    07      100\r\n"
    "006: 東京 11R 馬連 01-04      500\r\n"
    "007: 阪神 11R 複勝    03      100\r\n"
    "008: 阪神 11R 馬連 02-06      200\r\n"
    "009: 阪神 12R 単勝    08      300\r\n"
    "010: 阪神 12R 複勝    05      200\r\n"
    "011: 阪神 12R 枠連 03-04      100\r\n"
    "012: 阪神 12R 馬連 07-08      100\r\n";

std::string crLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    plat::TextFile file;
    return file.open(path, plat::TextFile::Mode::Write) && file.write(bytes);
}

// A fresh home beside the test program: the client installed in its
// "client" folder with the day, Ornel's profile naming it, and a "bets"
// folder for the bet log.
struct Home {
    std::string dir = plat::programDirectory() + "bet-e2e\\";
    std::string clientDir = dir + "client\\";
    std::string betDir = dir + "bets\\";
    plat::LocalTime today = plat::localTime(plat::now());

    void install() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        ASSERT_TRUE(std::filesystem::create_directories(betDir, ec)) << ec.message();
        std::filesystem::create_directories(clientDir, ec);
        ASSERT_TRUE(CopyFileA((plat::programDirectory() + kClientExe).c_str(), (clientDir + kClientExe).c_str(), FALSE));
        char date[32];
        std::snprintf(date, sizeof date, "date %04d-%02d-%02d\n", today.year, today.month, today.day);
        const std::string dayText = date + std::string(kDayBody);
        centre::Day day;
        std::string error;
        ASSERT_TRUE(centre::parseDayText(dayText, day, error)) << error;
        ASSERT_TRUE(writeFile(clientDir + centre::kDayFileName, dayText));
        ASSERT_TRUE(centre::installClientConfig(centre::ModemConfig{}));

        const std::string profilePath = base::ProgramProfilePath();
        DeleteFileA(profilePath.c_str());
        base::FileProfileStore store(profilePath);
        base::Settings settings;
        settings.userId = "11112222";
        settings.password = "0123";
        namespace keys = base::keys;
        ASSERT_TRUE(store.writeString(base::kSectionDefine, keys::kPat95Dir, clientDir + kClientExe));
        ASSERT_TRUE(store.writeString(base::kSectionDefine, keys::kBetFileDir, betDir));
        ASSERT_TRUE(store.writeInt(base::kSectionDefine, keys::kSkipAnn, 0));
        // Short waits, but not the smallest the settings allow (10 ms, 10 ms,
        // 1 s): the waits are also the units of the driver's time-outs
        // (a combo box's selection must arrive within 30 polls), which the
        // client under Wine misses now and then on a busy machine.
        ASSERT_TRUE(store.writeInt(base::kSectionDefine, keys::kMessageWait, kMessageWaitMs));
        ASSERT_TRUE(store.writeInt(base::kSectionDefine, keys::kActionWait, kActionWaitMs));
        ASSERT_TRUE(store.writeInt(base::kSectionDefine, keys::kWindowOpenWait, kWindowOpenWaitS));
        ASSERT_TRUE(base::StoreCredentials(store, settings));
    }

    std::string ledger() const {
        std::string error;
        const std::optional<centre::Centre> centre =
            centre::Centre::open(clientDir, today.year, today.month, today.day, error);
        return centre ? cli::LedgerAsBetList(centre->ledger()) : "no centre: " + error;
    }

    // Ends the client as a user closing it would, and waits for its process.
    static void closeClient() {
        const HWND main = FindWindowA(kClientMainClass, nullptr);
        if (main == nullptr) return;
        DWORD processId = 0;
        GetWindowThreadProcessId(main, &processId);
        const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (process != nullptr) {
            WaitForSingleObject(process, 10000);
            CloseHandle(process);
        }
    }
};

class BetThroughClient : public ::testing::Test {
protected:
    // The client goes whatever the outcome, so no process outlives the test.
    void TearDown() override { Home::closeClient(); }
    Home home;
};

TEST_F(BetThroughClient, ADozenBetsArePlacedOnceThroughTheClientsWindows) {
    ASSERT_NO_FATAL_FAILURE(home.install());
    ASSERT_LT(home.today.hour, 14) << "the races must still be on sale";

    base::FileProfileStore profile(base::ProgramProfilePath());
    cli::BetRunWorld world(profile, plat::now());
    cli::BetWindow window(world, crLf(kBets), 0);
    const std::unique_ptr<cli::BatchHost> user = cli::BatchHost::make(plat::now());
    ASSERT_TRUE(user->ready());
    user->runOrnel([&] { window.doModal(0); });

    EXPECT_EQ(window.runResult(), 1);
    for (const cli::BatchHost::Box& box : user->boxes())
        ADD_FAILURE() << "Ornel showed box " << box.helpId << ": " << sjis::toUtf8(box.text);
    EXPECT_EQ(window.listAfter(), "") << sjis::toUtf8(window.listAfter());
    const std::string ledger = home.ledger();
    EXPECT_EQ(ledger, kPlaced) << sjis::toUtf8(ledger);
}

}  // namespace

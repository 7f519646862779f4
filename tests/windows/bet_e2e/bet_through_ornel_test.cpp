// End to end on Windows: ornel.exe, started as a user starts it, places a
// dozen bets of several kinds through Pat95.exe, a separate process it
// starts by shell execute, logging in and reading the day's terms first;
// the client's ledger then holds every bet exactly once.  The test is the
// user: it types into Ornel's windows from outside, as a person would.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "base/credentials.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "base/settings_keys.h"
#include "betclient/centre/centre.h"
#include "betclient/centre/client_registry.h"
#include "betclient/centre/day_text.h"
#include "frontends/cli/ledger_lines.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sjis.h"
#include "ui/main_window_layout.h"

#include <windows.h>

namespace {

constexpr const char* kOrnelExe = "ornel.exe";
constexpr const char* kClientExe = "Pat95.exe";
constexpr const char* kClientMainClass = "ThunderRTMain";
constexpr const char* kDialogClass = "#32770";
constexpr int kBoxTextId = 0xFFFF;
constexpr const char* kBetCaption = "投票";

// The smallest waits the settings dialog allows.
constexpr int kMessageWaitMs = 10;
constexpr int kActionWaitMs = 10;
constexpr int kWindowOpenWaitS = 1;

// Bounds of the waits for Ornel (polled every kPollMs).
constexpr DWORD kPollMs = 20;
constexpr DWORD kWindowBoundMs = 30'000;
constexpr DWORD kParseBoundMs = 60'000;
constexpr DWORD kRunBoundMs = 150'000;
constexpr DWORD kEndBoundMs = 30'000;

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
    "東京 9R 単勝 1 100\r\n"
    "東京 9R 複勝 2 200\r\n"
    "東京 10R 枠連 1-2 300\r\n"
    "東京 10R 馬連 3-5 400\r\n"
    "東京 11R 単勝 7 100\r\n"
    "東京 11R 馬連 1-4 500\r\n"
    "阪神 11R 複勝 3 100\r\n"
    "阪神 11R 馬連 2-6 200\r\n"
    "阪神 12R 単勝 8 300\r\n"
    "阪神 12R 複勝 5 200\r\n"
    "阪神 12R 枠連 3-4 100\r\n"
    "阪神 12R 馬連 7-8 100\r\n";

// The list as Ornel parses it, and the client's ledger afterwards.
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

bool writeFile(const std::string& path, const std::string& bytes) {
    plat::TextFile file;
    return file.open(path, plat::TextFile::Mode::Write) && file.write(bytes);
}

// A fresh home beside the test program: the client installed in its
// "client" folder with the day, ornel.exe's profile naming it, and a "bets"
// folder for the bet log.
struct Home {
    std::string dir = plat::programDirectory() + "bet-e2e\\";
    std::string clientDir = dir + "client\\";
    std::string betDir = dir + "bets\\";
    plat::LocalTime today = plat::localTime(plat::now());

    // ornel.exe's profile: its name in the Windows directory.
    static std::string ornelProfile() { return plat::windowsDirectory() + "ornel.INI"; }

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

        DeleteFileA(ornelProfile().c_str());
        base::FileProfileStore store(ornelProfile());
        base::Settings settings;
        settings.userId = "11112222";
        settings.password = "0123";
        namespace keys = base::keys;
        ASSERT_TRUE(store.writeString(base::kSectionDefine, keys::kPat95Dir, clientDir + kClientExe));
        ASSERT_TRUE(store.writeString(base::kSectionDefine, keys::kBetFileDir, betDir));
        ASSERT_TRUE(store.writeInt(base::kSectionDefine, keys::kSkipAnn, 0));
        ASSERT_TRUE(store.writeInt(base::kSectionDefine, keys::kSkipCyuui, 1));
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
            WaitForSingleObject(process, kEndBoundMs);
            CloseHandle(process);
        }
    }
};

std::string textOf(HWND window) {
    // WM_GETTEXT is sent, so that another process's edit control answers
    // with its contents.
    const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

// ornel.exe as its user sees it: its windows, found and used from outside.
class OrnelProcess {
public:
    ~OrnelProcess() {
        if (process_.hProcess == nullptr) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }

    bool start() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + plat::programDirectory() + kOrnelExe + "\"";
        return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              plat::programDirectory().c_str(), &startup, &process_) != 0;
    }

    // Polls until done() holds, answering Ornel's boxes on the way (each is
    // recorded: this run should show none).  False after boundMs.
    bool waitUntil(const std::function<bool()>& done, DWORD boundMs) {
        const DWORD start = GetTickCount();
        for (;;) {
            answerBoxes();
            if (done()) return true;
            if (GetTickCount() - start >= boundMs) return false;
            Sleep(kPollMs);
        }
    }

    // The main window once it is visible with its BetList.
    HWND mainWindow() {
        if (main_ != nullptr && IsWindow(main_)) return main_;
        main_ = nullptr;
        for (const HWND window : dialogs()) {
            if (IsWindowVisible(window) && GetDlgItem(window, ui::kIdBetList) != nullptr) main_ = window;
        }
        return main_;
    }

    HWND control(int id) { return GetDlgItem(mainWindow(), id); }

    // The bet text typed into the list, then Enter on its first line.
    void enterIntoList(const std::string& text) {
        const HWND list = control(ui::kIdBetList);
        SendMessageA(list, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(list, EM_SETSEL, 0, 0);
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(list, WM_CHAR, VK_RETURN, 1);
        PostMessageA(list, WM_KEYUP, VK_RETURN, 0xC0000001);
    }

    void click(int id) {
        const HWND button = control(id);
        RECT client;
        GetClientRect(button, &client);
        const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
        PostMessageA(button, WM_MOUSEMOVE, 0, centre);
        PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
        PostMessageA(button, WM_LBUTTONUP, 0, centre);
    }

    bool close() {
        PostMessageA(mainWindow(), WM_CLOSE, 0, 0);
        return waitUntil([this] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, kEndBoundMs);
    }

    // "ID TEXT" of every message box Ornel showed.
    const std::vector<std::string>& boxes() const { return boxes_; }

private:
    std::vector<HWND> dialogs() const {
        struct Search {
            DWORD process;
            std::vector<HWND> found;
        } search{process_.dwProcessId, {}};
        EnumWindows(
            [](HWND window, LPARAM param) {
                auto& s = *reinterpret_cast<Search*>(param);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                char className[16] = {};
                GetClassNameA(window, className, sizeof className);
                if (process == s.process && lstrcmpA(className, kDialogClass) == 0) s.found.push_back(window);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // A message box is recorded and closed with its first button (OK, or
    // Yes for a question); any other dialog is left to the test.
    void answerBoxes() {
        for (const HWND window : dialogs()) {
            const HWND text = GetDlgItem(window, kBoxTextId);
            if (window == main_ || text == nullptr || !IsWindowVisible(window) || answered(window)) continue;
            const int id = GetDlgItem(window, IDYES) != nullptr ? IDYES : IDOK;
            if (GetDlgItem(window, id) == nullptr) continue;  // not complete yet
            seen_.push_back(window);
            boxes_.push_back(std::to_string(GetWindowContextHelpId(window)) + " " + sjis::toUtf8(textOf(text)));
            PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        }
    }

    bool answered(HWND window) const {
        for (const HWND seen : seen_)
            if (seen == window) return true;
        return false;
    }

    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    std::vector<HWND> seen_;
    std::vector<std::string> boxes_;
};

class BetThroughOrnel : public ::testing::Test {
protected:
    // The client goes whatever the outcome, so no process outlives the test.
    void TearDown() override { Home::closeClient(); }
    Home home;
};

TEST_F(BetThroughOrnel, ADozenBetsArePlacedOnceThroughTheClientsWindows) {
    ASSERT_NO_FATAL_FAILURE(home.install());
    ASSERT_LT(home.today.hour, 14) << "the races must still be on sale";

    OrnelProcess ornel;
    ASSERT_TRUE(ornel.start());
    ASSERT_TRUE(ornel.waitUntil([&] { return ornel.mainWindow() != nullptr; }, kWindowBoundMs))
        << "Ornel's main window did not come up";

    // Enter parses the list against the terms, which the start-up fetched
    // from the client it started (the local hour is within the client's
    // reception hours).
    ornel.enterIntoList(kBets);
    ASSERT_TRUE(ornel.waitUntil([&] { return textOf(ornel.control(ui::kIdBetList)) == kPlaced; }, kParseBoundMs))
        << sjis::toUtf8(textOf(ornel.control(ui::kIdBetList)));

    // 投票; the run has ended and been completed once the list is empty and
    // the button says 投票 again (it says STOP while the run lasts).
    ornel.click(ui::kIdBet);
    const bool completed = ornel.waitUntil(
        [&] {
            return !ornel.boxes().empty() || (textOf(ornel.control(ui::kIdBetList)).empty() &&
                                               textOf(ornel.control(ui::kIdBet)) == kBetCaption);
        },
        kRunBoundMs);
    for (const std::string& box : ornel.boxes()) ADD_FAILURE() << "Ornel showed box " << box;
    EXPECT_TRUE(completed) << "the run did not end; the list holds "
                           << sjis::toUtf8(textOf(ornel.control(ui::kIdBetList)));
    EXPECT_TRUE(ornel.close()) << "Ornel did not end";

    const std::string ledger = home.ledger();
    EXPECT_EQ(ledger, kPlaced) << sjis::toUtf8(ledger);
}

}  // namespace

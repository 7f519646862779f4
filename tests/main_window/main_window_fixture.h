// The whole program — the application object's process — on a simulated
// desktop, with its profile written by the test and, when a test asks, the
// replacement client installed with a day whose races start in the
// afternoon and whose terms were fetched at 9:00.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frontends/simhome/ornel_desktop.h"
#include "frontends/simhome/program_run.h"
#include "support/support.h"

namespace mainwindow_test {

// Three bets on two venues, as the tests type them into the list.
inline constexpr const char* kText = "東京 1R 馬連 3-5 1000\r\n阪神 2R 単勝 7,9 500\r\n東京 3R 枠連 2-2 2000\r\n";

constexpr std::int64_t k0859 = 912815940;         // 1998-12-05 08:59 JST
constexpr std::int64_t k1000 = 912819600;         // 1998-12-05 10:00 JST
constexpr std::int64_t k1659 = 912844740;         // 1998-12-05 16:59 JST
constexpr std::int64_t k1700 = 912844800;         // 1998-12-05 17:00 JST

class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(std::int64_t start = k1000);
    ~MainWindowTest() override;

    // Installs the client and writes a profile that names it and the
    // account, the bet-file directory DIR/bets and the given lines of
    // section "Define" ("Key=Value"), and of "Pat Define".
    void installClient(const std::vector<std::string>& defineLines = {},
                       const std::vector<std::string>& patDefineLines = {});
    // A profile of the given lines only (no client).
    void writeProfile(const std::vector<std::string>& defineLines,
                      const std::vector<std::string>& patDefineLines = {});
    std::string profileText() const;

    // Starts the program; asserts that its start-up came to an end.
    void start();
    simhome::ProgramRun& run() { return *run_; }
    // The results of each time the command operated the client, in order.
    std::vector<int> clientResultsOf(int command) const;
    app::Application& program() { return run_->program(); }
    plat::Hwnd main() const { return run_->mainWindow(); }

    // String-table ids of the message boxes Ornel showed, in order.
    std::vector<plat::Uint> boxIds() const;
    // Beeps Ornel made (their MB_* kinds), in order.
    std::vector<plat::Uint> beeps() const;
    // The entries of the last pop-up menu shown, "―" for separators.
    std::vector<std::string> lastMenuTexts() const;
    std::string ledgerText() const;

    testsupport::TempDir home;
    simhome::OrnelDesktop desk;
    sim::Desktop& desktop;
    sim::ScriptedUser& user;
    std::unique_ptr<simhome::ProgramRun> run_;
    std::vector<std::pair<int, int>> clientOperations_;
};

}  // namespace mainwindow_test

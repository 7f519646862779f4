// The commands on the client's data files in the whole program: 出馬表の取得,
// 出馬表の読込, 発走時刻の読込 and タイマー投票ファイル出力 each do the same from
// the system menu and from the context menu; while a run lasts, the two
// that operate the client (and 発走時刻の読込 also re-parses the BetList)
// only beep, the two that only read go on working.
#include <filesystem>

#include "clientdata/client_race_cards.h"
#include "clientdata/timer_bet_dialog.h"
#include "main_window_fixture.h"
#include "platform/window.h"
#include "support/client_files.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace mainwindow_test {
namespace {

using testsupport::u8;

constexpr int kTokyo = 5;

class ClientDataCommands : public MainWindowTest {
protected:
    // The client installed and started by the start-up at 10:00, today's
    // terms loaded; the timer-bet dialog is confirmed as it opens.
    void startWithClient() {
        user.onDialog(clientdata::kTimerBetDialogCaption,
                      [](sim::Desktop&, const sim::ModalInfo& info) { sim::pressButton(info.window, plat::IDOK); });
        installClient();
        start();
    }

    // "venue-race:time" of every race with a start time known, in slot order.
    std::string startTimes() {
        std::string known;
        for (const base::MeetingTerms& m : program().terms.meetings)
            for (int r = 0; r < base::kRaceBlocks; ++r)
                if (m.venueCode != 0 && m.races[r].startTime != 0)
                    known += std::to_string(m.venueCode) + "-" + std::to_string(r + 1) + ":" +
                             std::to_string(m.races[r].startTime) + " ";
        return known;
    }
    void forgetStartTimes() {
        for (base::MeetingTerms& m : program().terms.meetings)
            for (base::RaceTerms& race : m.races) race.startTime = 0;
    }

    // Chooses the command from the system menu, then (start times forgotten
    // again) from the context menu; the start times each left.
    std::pair<std::string, std::string> startTimesFromBothMenus(int id) {
        forgetStartTimes();
        EXPECT_TRUE(run().chooseFromSystemMenu(id));
        const std::string fromSystemMenu = startTimes();
        forgetStartTimes();
        EXPECT_TRUE(run().chooseFromContextMenu(id));
        return {fromSystemMenu, startTimes()};
    }

    bool openFileDialogShown() const {
        for (const auto& seen : user.seenFrom(simhome::kOrnelProgram))
            if (seen.info.isOpenFile) return true;
        return false;
    }
    // The timer-bet files in the bet-file directory; their names carry the
    // minute the program's clock proposed.
    std::vector<std::string> timerBetFiles() const {
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::directory_iterator(home.file("bets")))
            if (entry.path().filename().string().starts_with("TC05")) paths.push_back(entry.path().string());
        return paths;
    }
};

// The client's day: 東京 races 1..3 from 15:00 and 阪神 races 1..2 from
// 16:00, every five minutes.
const std::string kClientStartTimes = "5-1:1500 5-2:1505 5-3:1510 9-1:1600 9-2:1605 ";

TEST_F(ClientDataCommands, TheClientsRaceCardsAreFetchedAndReadFromEitherMenu) {
    startWithClient();
    const auto fetched = startTimesFromBothMenus(ui::kIdFetchRaceCards);
    EXPECT_EQ(fetched.first, kClientStartTimes);
    EXPECT_EQ(fetched.second, kClientStartTimes);
    EXPECT_EQ(clientResultsOf(ui::kIdFetchRaceCards), (std::vector<int>{0, 0}));

    const auto read = startTimesFromBothMenus(ui::kIdReadRaceCards);
    EXPECT_EQ(read.first, kClientStartTimes);
    EXPECT_EQ(read.second, kClientStartTimes);
    EXPECT_TRUE(boxIds().empty());
    EXPECT_EQ(program().terms.raceCardDate, 0) << "the client's cards name no card date";
}

TEST_F(ClientDataCommands, ARaceCardFileAndATimerBetFileFromEitherMenu) {
    startWithClient();
    std::string card;
    for (int race = 1; race <= 3; ++race)
        card += testsupport::raceCardLine(kTokyo, 5, 3, race, 1205, 1400 + race).str() + "\r\n";
    testsupport::writeBytes(home.file("JRA#DEN1.DAT"), card);
    user.setOpenFileAnswer(home.file("JRA#DEN1.DAT"));
    const auto imported = startTimesFromBothMenus(ui::kIdReadStartTimes);
    EXPECT_EQ(imported.first, "5-1:1401 5-2:1402 5-3:1403 ");
    EXPECT_EQ(imported.second, imported.first);
    EXPECT_EQ(program().terms.raceCardDate, 1205);

    ASSERT_TRUE(run().enterIntoList("東京 1R 馬連 3-5 1000\r\n"));
    // Saturday morning: today at the present minute is proposed.
    ASSERT_TRUE(run().chooseFromSystemMenu(ui::kIdTimerBetFile));
    ASSERT_EQ(timerBetFiles().size(), 1u);
    const std::string fromSystemMenu = testsupport::readBytes(timerBetFiles()[0]);
    std::filesystem::remove(timerBetFiles()[0]);
    ASSERT_TRUE(run().chooseFromContextMenu(ui::kIdTimerBetFile));
    ASSERT_EQ(timerBetFiles().size(), 1u);
    EXPECT_EQ(u8(testsupport::readBytes(timerBetFiles()[0])), u8(fromSystemMenu));
    EXPECT_EQ(u8(fromSystemMenu), u8("\r\n東京 98年 12月  5日\r\n\r\n  1R 馬連 03-05    1.0     1000\r\n"));
    EXPECT_TRUE(boxIds().empty());
}

TEST_F(ClientDataCommands, DuringARunTheCommandsThatOperateTheClientOnlyBeep) {
    startWithClient();
    testsupport::writeTextFile(desk.clientDir() + clientdata::ClientRaceCardFileName(kTokyo, 3, 1),
                               {testsupport::clientRaceCardLine("東京", 5, 3, 1, 1234)});
    user.setOpenFileAnswer(home.file("JRA#DEN1.DAT"));
    ASSERT_TRUE(run().enterIntoList("東京 1R 馬連 3-5 1000\r\n東京 2R 単勝 7 500\r\n"));
    const plat::Hwnd window = main();
    ASSERT_TRUE(desktop.call("user", [window] { sim::pressButton(window, ui::kIdBet); }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().betList.listCount.load() == 1; }, 600'000))
        << "a bet entered";

    const std::size_t beepsBefore = beeps().size();
    user.chooseMenuItem(ui::kIdFetchRaceCards);
    ASSERT_TRUE(desktop.call("user", [window] {
        plat::postMessage(window, plat::WM_RBUTTONUP, 0, plat::makeLparam(4, 4));
        sim::chooseSystemMenuEntry(window, ui::kIdReadStartTimes);
        sim::chooseSystemMenuEntry(window, ui::kIdReadRaceCards);
        sim::chooseSystemMenuEntry(window, ui::kIdTimerBetFile);
    }));
    ASSERT_TRUE(desktop.runUntil([&] { return program().runControl.runState.load() == base::kRunIdle; },
                                 3'600'000));
    const std::vector<plat::Uint> after = beeps();
    EXPECT_EQ(std::vector<plat::Uint>(after.begin() + static_cast<long>(beepsBefore), after.end()),
              (std::vector<plat::Uint>{plat::MB_ICONASTERISK, plat::MB_ICONASTERISK}));
    EXPECT_TRUE(clientResultsOf(ui::kIdFetchRaceCards).empty()) << "出馬表の取得 did not run";
    EXPECT_FALSE(openFileDialogShown());
    EXPECT_EQ(startTimes(), "5-1:1234 ");
    ASSERT_EQ(timerBetFiles().size(), 1u);
    EXPECT_EQ(u8(testsupport::readBytes(timerBetFiles()[0])),
              u8("\r\n東京 98年 12月  5日\r\n\r\n  1R 馬連 03-05    1.0     1000\r\n  2R 単勝  7    1.0      500\r\n"));
}

}  // namespace
}  // namespace mainwindow_test

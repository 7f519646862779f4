// The main window's command table: both menus' entries in order, and one
// id doing the same thing from its button, the system menu and the context
// menu.
#include "main_window_fixture.h"

#include <algorithm>

#include "app/auto_exit_dialog.h"
#include "app/environment_dialog.h"
#include "app/options_dialog.h"
#include "app/payout_commands.h"
#include "app/version_dialog.h"
#include "base/strings.h"
#include "clientdata/timer_bet_dialog.h"
#include "driver/modem_dialog.h"
#include "platform/menu.h"
#include "support/message_sequence.h"
#include "ui/main_commands.h"
#include "ui/main_window_layout.h"

namespace mainwindow_test {
namespace {

using testsupport::MessageRow;
using testsupport::MessagesMatch;

std::vector<std::string> utf8(const std::vector<std::string>& texts) {
    std::vector<std::string> out;
    for (const std::string& t : texts) out.push_back(testsupport::u8(t));
    return out;
}

class MenusAndCommands : public MainWindowTest {
protected:
    // Before 9:00: the start-up does not start the client.
    MenusAndCommands() : MainWindowTest(k0859) {}
};

TEST_F(MenusAndCommands, TheSystemMenuGetsTheCommandsAfterItsOwnEntries) {
    writeProfile({});
    start();
    const plat::Hmenu menu = plat::getSystemMenu(main());
    std::vector<std::string> texts;
    for (int i = 0; i < plat::getMenuItemCount(menu); ++i)
        texts.push_back(plat::getMenuState(menu, i) & plat::MF_SEPARATOR ? "―" : plat::getMenuString(menu, i));
    EXPECT_EQ(utf8(texts), utf8({"元のサイズに戻す(&R)", "移動(&M)", "サイズ変更(&S)", "最小化(&N)", "最大化(&X)", "―",
                                 "閉じる(&C)\tAlt+F4", "―", "ＰＡＴの起動(&P)", "投票(&T)",
                                 "タイマー投票ファイルの出力(&F)", "発走時刻の読込.(&H)", "―", "出馬表の取得(&D)",
                                 "出馬表の読込(&L)", "払戻情報の取得(&I)", "―", "環境設定(&E)", "動作設定(&O)",
                                 "PATのモデム設定(&M)", "タイマー自動終了の設定(&X)", "―",
                                 "ﾊﾞｰｼﾞｮﾝ情報(Ornel) (&A)..."}));
    const std::vector<int> ids = {ui::kIdConnectClient, ui::kIdBet, ui::kIdTimerBetFile, ui::kIdReadStartTimes};
    for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(plat::getMenuItemId(menu, 8 + static_cast<int>(i)), ids[i]);
}

TEST_F(MenusAndCommands, TheContextMenuOpensWhereTheRightButtonIsReleased) {
    writeProfile({});
    start();
    const std::size_t from = desktop.trace().size();
    ASSERT_TRUE(run().chooseFromContextMenu(0));  // dismissed
    EXPECT_EQ(utf8(lastMenuTexts()),
              utf8({"ＰＡＴの起動...........................(&P)", "投票.........................................(&T)",
                    "タイマー投票ファイル出力..(&W)", "発走時刻の読込.................(&H)", "―",
                    "出馬表の取得......................(&D)", "出馬表の読込......................(L)",
                    "払戻情報の取得..................(&I)", "払戻情報ファイル出力.......(&F)", "―",
                    "環境設定...............................(&E)", "動作設定...............................(&O)",
                    "PATのモデム設定................(&M)", "タイマー自動終了の設定...(&X)", "―",
                    "Win情報の記録....................(&S)", "―", "ﾊﾞｰｼﾞｮﾝ情報........................(&A)"}));
    EXPECT_TRUE(MessagesMatch(desktop, main(), {{plat::WM_RBUTTONUP}}, from, 0, {plat::WM_COMMAND}))
        << "a dismissed menu sends no command";
}

TEST_F(MenusAndCommands, TheBetCommandIsTheSameFromItsButtonAndBothMenus) {
    writeProfile({});
    start();
    const std::size_t from = desktop.trace().size();
    // An empty list: 投票 only beeps, wherever it comes from.
    ASSERT_TRUE(run().click(ui::kIdBet));
    ASSERT_TRUE(run().chooseFromSystemMenu(ui::kIdBet));
    ASSERT_TRUE(run().chooseFromContextMenu(ui::kIdBet));
    EXPECT_TRUE(MessagesMatch(desktop, main(),
                              {{plat::WM_COMMAND, plat::makeWparam(ui::kIdBet, plat::BN_CLICKED)},
                               {plat::WM_SYSCOMMAND, static_cast<plat::Wparam>(ui::kIdBet)},
                               {plat::WM_COMMAND, plat::makeWparam(ui::kIdBet, 0)}},
                              from));
    EXPECT_EQ(beeps(), (std::vector<plat::Uint>{plat::MB_ICONASTERISK, plat::MB_ICONASTERISK, plat::MB_ICONASTERISK}));
    EXPECT_EQ(program().runControl.runState.load(), base::kRunIdle);
}

TEST_F(MenusAndCommands, TheSystemsOwnEntriesKeepTheirDefaultHandling) {
    writeProfile({});
    start();
    ASSERT_TRUE(run().chooseFromSystemMenu(static_cast<int>(plat::SC_MINIMIZE)));
    EXPECT_TRUE(plat::isIconic(main()));
}

// Every command that opens a dialog does so from the system menu and from
// the context menu alike (the payout report only has the context menu).
struct DialogCommand {
    int id;
    const char* caption;
    bool inSystemMenu;
};

class CommandsFromBothMenus : public MenusAndCommands, public ::testing::WithParamInterface<DialogCommand> {};

TEST_P(CommandsFromBothMenus, OpenTheirDialog) {
    writeProfile({});
    start();
    ASSERT_TRUE(run().enterIntoList("東京 1R 単勝 7 500\r\n"));  // something for the timer-bet file
    const DialogCommand& c = GetParam();
    // Closed with ｷｬﾝｾﾙ, or OK where that is the only button.
    user.onDialog(c.caption, [](sim::Desktop&, const sim::ModalInfo& info) {
        const bool cancel = std::any_of(info.buttons.begin(), info.buttons.end(),
                                        [](const auto& b) { return b.first == plat::IDCANCEL; });
        sim::pressButton(info.window, cancel ? plat::IDCANCEL : plat::IDOK);
    });
    if (c.inSystemMenu) {
        ASSERT_TRUE(run().chooseFromSystemMenu(c.id));
    }
    ASSERT_TRUE(run().chooseFromContextMenu(c.id));
    std::size_t shown = 0;
    for (const auto& seen : user.seenFrom(simhome::kOrnelProgram)) shown += seen.info.caption == c.caption;
    EXPECT_EQ(shown, c.inSystemMenu ? 2u : 1u);
    EXPECT_FALSE(run().ended());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandsFromBothMenus,
    ::testing::Values(DialogCommand{ui::kIdEnvironment, app::kEnvironmentCaption, true},
                      DialogCommand{ui::kIdOptions, app::kOptionsCaption, true},
                      DialogCommand{ui::kIdAutoExit, app::kAutoExitCaption, true},
                      DialogCommand{ui::kIdAbout, app::kVersionCaption, true},
                      DialogCommand{ui::kIdModemSettings, driver::kModemDialogCaption, true},
                      DialogCommand{ui::kIdPayoutFetch, app::kPayoutDialogCaption, true},
                      DialogCommand{ui::kIdTimerBetFile, clientdata::kTimerBetDialogCaption, true}));

TEST_F(MenusAndCommands, ConnectingFromEitherMenuRunsTheClientStart) {
    writeProfile({});
    start();
    ASSERT_TRUE(run().chooseFromSystemMenu(ui::kIdConnectClient));
    ASSERT_TRUE(run().chooseFromContextMenu(ui::kIdConnectClient));
    EXPECT_EQ(boxIds(), (std::vector<plat::Uint>{base::kMsgSettingsIncomplete, base::kMsgSettingsIncomplete}));
}

}  // namespace
}  // namespace mainwindow_test

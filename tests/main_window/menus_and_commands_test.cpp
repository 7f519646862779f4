// The main window's command table: both menus' entries in order, and one
// id doing the same thing from its button, the system menu and the context
// menu.
#include "main_window_fixture.h"

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

}  // namespace
}  // namespace mainwindow_test

// The main window's commands that open the shell's dialogs: 環境設定
// (1008), 動作設定 (32773), タイマー自動終了の設定 (32782), ﾊﾞｰｼﾞｮﾝ情報 (16),
// 払戻情報の取得 (32779) and 払戻情報ファイル出力 (32783).  The settings
// dialogs write what they change the moment they are confirmed.
#pragma once

namespace ui {
class MainWindow;
}

namespace app {

class Application;

// Gives the commands their actions in the window's command table.
void BindShellCommands(ui::MainWindow& window, Application& program);

}  // namespace app

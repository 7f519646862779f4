// The program's main window: the bet-list window with the program's
// start-up (the program clock is set when the window starts), the 投票
// command, and the two-second timer that completes an ended run.
#pragma once

#include "ui/bet_command_host.h"
#include "ui/bet_list_window.h"

namespace ui {

class MainWindow : public BetListWindow {
public:
    explicit MainWindow(MainWindowModel& model);

protected:
    bool onInitDialog() override;
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                            bool& handled) override;

private:
    BetCommandBinding betting_;
};

}  // namespace ui

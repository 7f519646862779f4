// The program's main window: the bet-list window with the program's
// start-up (the program clock is set when the window starts).
#pragma once

#include "ui/bet_list_window.h"

namespace ui {

class MainWindow : public BetListWindow {
public:
    explicit MainWindow(MainWindowModel& model) : BetListWindow(model) {}

protected:
    bool onInitDialog() override;
};

}  // namespace ui

#include "ui/main_window.h"

#include "platform/clock.h"

namespace ui {

bool MainWindow::onInitDialog() {
    const bool result = BetListWindow::onInitDialog();
    model_.run.programClock = plat::now();
    return result;
}

}  // namespace ui

// The program's main window: the bet-list window with the program's
// start-up sequence, its commands from the buttons, the system menu and the
// context menu, the 投票 command and its run, the AUTO/MANU switch, the
// close request and the size rules, and the two-second timer that runs
// AutoMode.
#pragma once


#include "platform/window_frame.h"
#include "ui/auto_mode.h"
#include "ui/bet_command.h"
#include "ui/bet_list_window.h"
#include "ui/main_window_shell.h"

namespace ui {

class MainWindow : public BetListWindow, private BetCommandHost, private AutoModeHost {
public:
    MainWindow(MainWindowModel& model, MainWindowShell& shell);

    // The AUTO/MANU switch (button 1021; also run by the start-up and by
    // FinishRun).
    void onAutoToggle();

    // The outer width the frame is kept at (0 before the start-up set it),
    // and the gap between the window's bottom and the BetList's.
    int widthLock() const { return widthLock_; }
    int listBottomGap() const { return listBottomGap_; }

protected:
    bool onInitDialog() override;
    void onCancel() override;
    plat::Lresult onMessage(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam,
                            bool& handled) override;

private:
    // Start-up steps.
    void setIcons();
    void handSettingsToDriver();
    void chooseTodaysBetFile();
    void showCautionUnlessSkipped();
    void lockWidthAndListGap();
    void restoreFramePos();
    void loadTermsOfRunningClient();
    void startClientInBettingHours();

    void onTimer();
    void onCloseRequest();
    void saveFramePos();
    void onSizeLimits(plat::MinMaxInfo& limits) const;
    void onSize();
    void onBet();
    void connectClient();
    void openHelp();
    void beepWhileRunning();
    void reportClientOperation(int command, int result);

    // BetCommandHost
    bool reparseRequest(bool skipTermsCheck) override;
    void clearCommand() override;
    void focusBetList() override;
    void autoToggle() override { onAutoToggle(); }
    void loadNewVoteLog() override;  // AutoModeHost's as well
    void recordRefusedBets(const std::vector<base::RefusedBet>& refused) override;
    BetCommand betCommand();

    // AutoModeHost
    void finishRun() override;
    void bet() override { onBet(); }
    int refreshVotingTerms() override;
    bool loadBetFile(const std::string& path) override;
    void showBetStatus() override { betData().showStatus(); }
    void fetchPayouts() override { shell_.fetchPayouts(); }
    void closeClient() override;

    MainWindowShell& shell_;
    int widthLock_ = 0;
    int listBottomGap_ = 0;
};

}  // namespace ui

// The bet-list window running on a simulated desktop, with the state it
// works on, a scripted user, and a client connection that only counts.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/message_box_notifier.h"
#include "base/profile_store.h"
#include "base/settings.h"
#include "betdata/bet_list_context.h"
#include "frontends/simhome/ornel_desktop.h"
#include "support/support.h"
#include "ui/bet_list_window.h"

namespace listwindow_test {

// Saturday 5 December 1998, 10:00 (Asia/Tokyo).
constexpr std::int64_t kRaceDay = 912819600;

// Replaces a dialog field's text the way a person does: select all, type.
void retype(plat::Hwnd dialog, int id, const std::string& text);

class CountingConnector : public base::TermsConnector {
public:
    int connectClient(int) override {
        ++calls;
        return result;
    }
    int calls = 0;
    int result = 0;
};

class BetListWindowTest : public ::testing::Test {
protected:
    BetListWindowTest();
    ~BetListWindowTest() override;

    // Starts the window on the program's thread and runs until it waits.
    void start();
    // Runs fn on a thread of the user (messages sent from it wait for the
    // window), then lets the desktop run until idle.
    void asUser(const std::function<void()>& fn);
    // Types bytes into the BetList (one WM_CHAR each) and presses Enter.
    void typeLine(const std::string& text);
    void pasteIntoList(const std::string& clipboard);
    void press(int buttonId);

    std::string listText() const;
    std::string statusText() const;
    std::string betDir() const { return dir_.file("bet/"); }
    std::string logText() const;  // the day's bet log, raw bytes
    // The message boxes and dialogs the program showed (the window itself
    // is a modal dialog too, and left out).
    std::vector<sim::ModalInfo> modalsShown() const;
    // The texts of the message boxes among them.
    std::vector<std::string> boxesShown() const;
    // LoadBetFile called on the program's thread, as AutoMode calls it; its
    // result (a test failure when the desktop did not run it).
    bool loadBetFileDirectly(const std::string& path);

    testsupport::TempDir dir_;
    simhome::OrnelDesktop desk_;
    sim::Desktop& desktop_;
    sim::ScriptedUser& user_;
    base::Settings settings_;
    std::unique_ptr<base::FileProfileStore> profile_;
    base::MessageBoxNotifier notifier_;
    base::VotingTerms terms_;
    clientdata::VoteLogState voteLog_;
    betdata::BetListState betList_;
    base::CurrentBetFile betFile_;
    base::RunControl run_;
    CountingConnector connector_;
    std::unique_ptr<ui::MainWindowModel> model_;
    std::unique_ptr<ui::BetListWindow> window_;
    plat::Hwnd main_ = 0, list_ = 0, status_ = 0, staging_ = 0;
};

}  // namespace listwindow_test

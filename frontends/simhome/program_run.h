// The whole program on an OrnelDesktop, and its user: the application
// object's process started as Ornel, driven until it waits for the user,
// and the user's steps on its main window — buttons, both menus, typing,
// pasting, closing — each followed by the program settling again.
//
// Front ends (the batch commands, `ornel sim ...`) and tests use it alike.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "frontends/simhome/ornel_desktop.h"

namespace simhome {

class ProgramRun {
public:
    ProgramRun(OrnelDesktop& desk, app::ProgramOptions options = {});
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    app::Application& program() { return *program_; }
    const app::Application& program() const { return *program_; }

    // Starts the process and drives the desktop until the main window's
    // start-up is through and the program waits.  False when the window
    // did not come up or the program did not settle within maxMs.
    bool start(std::int64_t maxMs = 3'600'000);
    // Drives the desktop until the program waits for the user at its main
    // window (settled) or has ended; false when it ended or did not settle
    // within maxMs.
    bool settle(std::int64_t maxMs = 3'600'000);
    // Whether the program waits for time or input with its main window's
    // loop running and no box or dialog of its own open.
    bool settled() const;
    // The same for the main window's thread alone: it has taken every input
    // and waits, while another thread of the program (a run) may be busy.
    bool windowWaiting() const;
    // Whether the process has ended (its main window closed).
    bool ended() const { return desk_.ornelEnded(); }

    plat::Hwnd mainWindow() const { return program_->mainWindow(); }
    plat::Hwnd control(int id) const;
    std::string controlText(int id) const;
    // The main window's push buttons in their order: caption and whether
    // they are enabled.
    struct Button {
        std::string caption;
        bool enabled = false;
    };
    std::vector<Button> buttons() const;

    // ---- the user's steps; each lets the program settle afterwards ----
    // Unless switched off: the steps then only hand the user's input over,
    // and the caller times what follows (a script with its own waits).
    void setSettleAfterSteps(bool settle) { settleAfterSteps_ = settle; }
    // Presses a button of the main window with the mouse.
    bool click(int buttonId);
    // Right-clicks the window and chooses the entry of the context menu.
    bool chooseFromContextMenu(int id);
    // Chooses an entry of the window's system menu.
    bool chooseFromSystemMenu(int id);
    // Types bytes into the BetList at its caret ('\r' is Enter).
    bool typeIntoList(const std::string& bytes);
    // Puts text on the clipboard and pastes it into the BetList (Ctrl+V).
    bool pasteIntoList(const std::string& text);
    // Replaces the BetList's text and presses Enter on its first line, so
    // that the whole list is parsed.
    bool enterIntoList(const std::string& text);

    // What a run started by 投票 came to.
    struct BetOutcome {
        std::int16_t result = 0;     // RunState at its end: 1 or -1; 0 when no run started
        std::int64_t virtualMs = 0;  // from the press until the run was completed
        std::string listAfter;       // the BetList once the run was completed
    };
    // Presses 投票 and follows the run until the main window has completed
    // it (FinishRun on its tick), or until the program waits when no run
    // started.  stopAfterLines above 0: STOP is pressed as soon as the run
    // has read that many lines of the list.  False when it did not end
    // within maxMs.
    bool placeBets(BetOutcome& outcome, int stopAfterLines = 0, std::int64_t maxMs = 6 * 3'600'000);

    // Asks the main window to close and drives until the process ended or
    // the program waits again (the window stayed open); without settling,
    // only asks.
    bool close(std::int64_t maxMs = 3'600'000);

    // Runs fn as the user (a thread of the "user" program), then settles.
    bool asUser(const std::function<void()>& fn, std::int64_t maxMs = 3'600'000);

private:
    void pressStopAfterLines(int lines);

    OrnelDesktop& desk_;
    std::shared_ptr<app::Application> program_;
    bool settleAfterSteps_ = true;
};

}  // namespace simhome

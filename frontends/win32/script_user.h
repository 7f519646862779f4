// The user of ornel.exe's batch commands: a thread timer of Ornel's thread
// that looks every few milliseconds for what the program shows and acts on
// it, and runs the command's steps there when the program waits.
//
// The timer fires inside every message loop of the thread — the main
// window's, those of Ornel's boxes and dialogs, the open-file dialog's and a
// tracked menu's — and Windows makes WM_TIMER only when nothing else is
// queued, so a look finds the program between messages.  A box or dialog is
// answered once it is visible and complete (nothing of its set-up left in
// the queue): a question with the command's answer, the open-file dialog
// with the command's file, a menu with the chosen entry, a dialog with a
// fill-in of the command's then OK, anything else with OK.  A dialog still
// open after OK, with nothing queued and nothing over it, has refused a
// value (its message box was answered): it is cancelled.  Message boxes are
// recorded.
//
// The command's own thread hands steps over (run) and waits, with a bound,
// until the program has settled after them: a later look found the main
// window up, no box or dialog of its own open and its queue empty.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace winhost {

class ScriptUser {
public:
    struct Box {
        unsigned helpId = 0;
        std::string text;
    };

    // ---- on Ornel's thread ----
    // Starts and stops looking from the calling thread.
    void attach();
    void detach();

    // ---- the answers (set before the program shows the box) ----
    void setQuestionAnswer(int answer);
    void setOpenFileAnswer(const std::string& path);
    // The entry to choose in the next pop-up menu (0 dismisses it).
    void setMenuChoice(int id);
    // Fills in dialogs whose caption starts with captionPrefix (on Ornel's
    // thread) before OK is pressed.
    void onDialog(const std::string& captionPrefix, std::function<void(HWND dialog)> fill);

    bool openFileDialogShown() const;
    // Whether a dialog refused a value and was cancelled.
    bool dialogRefused() const;
    std::vector<Box> boxes() const;

    // ---- on the command's thread ----
    // The main window the program waits in (0 while there is none).
    void setMainWindow(std::function<HWND()> mainWindow);
    // Runs fn on Ornel's thread once the program waits, then waits until it
    // has settled again.  False when that did not happen within limitMs or
    // the program ended first.
    bool run(const std::function<void()>& fn, std::uint32_t limitMs);
    // The program's thread has ended (wakes a waiting run).
    void programEnded();

private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void look();
    // Answers what is open; true when a box, dialog or menu of the program
    // is open over its main window.
    bool answerOpenWindows();
    void answer(HWND window);
    void confirmDialog(HWND window);
    void cancelRefusingDialog(const std::vector<HWND>& open);
    bool waits() const;

    UINT_PTR timer_ = 0;
    bool inStep_ = false;
    std::function<HWND()> mainWindow_;

    mutable std::mutex lock_;
    std::condition_variable changed_;
    int questionAnswer_ = IDYES;
    std::string openFileAnswer_;
    int menuChoice_ = 0;
    std::vector<std::pair<std::string, std::function<void(HWND)>>> fillIns_;
    bool openFileShown_ = false;
    bool refused_ = false;
    std::vector<Box> boxes_;
    std::set<HWND> answered_;
    std::set<HWND> confirmed_;  // dialogs OK was pressed on

    std::function<void()> pending_;
    std::uint64_t requested_ = 0;  // steps handed over
    std::uint64_t ran_ = 0;        // steps run on Ornel's thread
    std::uint64_t settled_ = 0;    // steps after which the program was found settled
    bool ended_ = false;
};

}  // namespace winhost

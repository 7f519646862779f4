// A scripted user for tests and batch commands: answers modal windows by
// rule and records every one it saw.
#pragma once

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/desktop.h"

namespace sim {

class ScriptedUser : public User {
public:
    struct Seen {
        ModalInfo info;
        int answer = 0;  // the button id pressed; 0 when left unanswered
        std::int64_t timeMs = 0;
    };
    using DialogAction = std::function<void(Desktop&, const ModalInfo&)>;

    // Answer for Yes/No boxes without a more specific rule (default IDYES).
    void setDefaultQuestionAnswer(int answer);
    // Answer for boxes whose help id (string-table id) is `id`.
    void answerId(plat::Uint id, int answer);
    // Answer for boxes whose text contains `text` (Shift-JIS bytes).
    void answerText(const std::string& text, int answer);
    // A custom action for modal windows whose caption starts with `prefix`
    // (dialogs); it runs on a thread of the "user" program.  A later action
    // for the same prefix replaces the earlier one.
    void onDialog(const std::string& captionPrefix, DialogAction action);
    // Virtual delay between a box appearing and the answer (default 0).
    void setDelay(std::int64_t ms);
    // Modal windows of these programs are left alone (for instance the
    // betting client's boxes, which Ornel's driver answers).
    void ignoreProgram(const std::string& program);
    // The open-file dialog: the path to choose (empty = Cancel).
    void setOpenFileAnswer(const std::string& path);
    // The next tracked pop-up menu gets this entry chosen (one menu per
    // call, in order); a menu without a queued choice is dismissed.
    void chooseMenuItem(int id);

    const std::vector<Seen>& seen() const { return seen_; }
    std::vector<Seen> seenFrom(const std::string& program) const;

    void onModal(Desktop& desktop, const ModalInfo& info) override;

private:
    int chooseAnswer(const ModalInfo& info) const;
    int defaultQuestionAnswer_ = plat::IDYES;
    std::vector<std::pair<plat::Uint, int>> byId_;
    std::vector<std::pair<std::string, int>> byText_;
    std::vector<std::pair<std::string, DialogAction>> dialogActions_;
    std::int64_t delayMs_ = 0;
    std::set<std::string> ignored_;
    std::string openFileAnswer_;
    std::deque<int> menuChoices_;
    std::vector<Seen> seen_;
};

// Presses a button of a modal window the way a person would (mouse down and
// up posted to it).  Call on a simulated thread (e.g. inside Desktop::act).
void pressButton(plat::Hwnd window, int buttonId);

// Replaces the text of a modal window's field by typing, as a person would:
// everything selected, then one WM_CHAR per byte (all posted).  Call on a
// simulated thread.
void typeIntoField(plat::Hwnd window, int fieldId, const std::string& text);

// Chooses an entry of a tracked pop-up menu ("#32768" window), or dismisses
// it (id 0), as a click or Escape would.  Call on a simulated thread.
void chooseMenuEntry(plat::Hwnd menuWindow, int id);

// Chooses an entry of the window's system menu: WM_SYSCOMMAND with its id is
// posted to the window.  False when the menu has no such entry or it is
// greyed.
bool chooseSystemMenuEntry(plat::Hwnd window, plat::Uint id);

// Drags a top-level window's frame towards the rectangle `wanted` (screen
// pixels): the window is asked for its size limits (WM_GETMINMAXINFO), the
// width and height are kept within them, then the window is moved.  Call on
// a simulated thread.
void dragWindowFrame(plat::Hwnd window, const plat::Rect& wanted);

}  // namespace sim

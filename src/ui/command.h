// Commands as objects: one per command id, holding what it does, the texts
// under which the system menu and the context menu show it, and — for a
// command that has a button — the button's caption and enabled state.  The
// buttons and both menus are bound to these objects, so one id does one
// thing wherever it is reached from.
//
// The menus are never greyed: an entry stays available while its button is
// disabled (a command reached from a menu during a run is still run).  A
// command marked refusedDuringRun works on the betting client or on the
// BetList, which the BetRunner thread uses while a run lasts: reached during
// a run, it only beeps.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/wintypes.h"

namespace ui {

struct CommandDefinition {
    int id = 0;
    const char* systemMenuText = nullptr;   // not in the system menu when null
    const char* contextMenuText = nullptr;  // not in the context menu when null
    bool hasButton = false;                 // a push button of the main window carries the id
    bool refusedDuringRun = false;
};

class Command {
public:
    explicit Command(const CommandDefinition& definition) : definition_(definition) {}

    int id() const { return definition_.id; }
    const CommandDefinition& definition() const { return definition_; }
    bool bound() const { return static_cast<bool>(action_); }
    void setAction(std::function<void()> action) { action_ = std::move(action); }

    // Runs the command as the user asked for it; false when it has no action.
    // runInProgress: a run lasts, so a command refused during runs beeps instead.
    bool run(bool runInProgress) const;

    // The button (none before the window is bound).
    void bindButton(plat::Hwnd button) { button_ = button; }
    plat::Hwnd button() const { return button_; }
    void setEnabled(bool enabled) const;
    bool enabled() const;
    void setCaption(const std::string& caption) const;

private:
    CommandDefinition definition_;
    std::function<void()> action_;
    plat::Hwnd button_ = 0;
};

class CommandTable {
public:
    Command& add(const CommandDefinition& definition);
    Command* find(int id);
    const Command* find(int id) const;
    // Gives a command its action; false when the table holds no such id.
    bool setAction(int id, std::function<void()> action);
    // Runs the command of an id; false when there is none or it has no action.
    bool run(int id, bool runInProgress) const;
    // Binds every command that has a button to the dialog's control of its id.
    void bindButtons(plat::Hwnd dialog);

    const std::map<int, Command>& all() const { return commands_; }

private:
    std::map<int, Command> commands_;
};

}  // namespace ui

// Dialogs on a simulated desktop: a program thread with a stand-in main
// window as their owner, a scripted user answering them, and the settings
// and profile they work on.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/profile_store.h"
#include "base/settings.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"
#include "support/support.h"

namespace testsupport {

class DialogDesktopTest : public ::testing::Test {
protected:
    DialogDesktopTest();

    // Runs fn on the program's thread with a fresh main window as the
    // owner; afterwards postedToMain() holds what was left in the thread's
    // queue for that window.
    void onProgram(const std::function<void(plat::Hwnd mainWindow)>& fn);
    const std::vector<plat::Uint>& postedToMain() const { return posted_; }

    // The modal windows the user saw, by caption, and the message boxes'
    // texts among them (UTF-8).
    std::vector<std::string> captionsSeen() const;
    std::vector<std::string> boxTextsSeen() const;
    // Sounds played (paths) since the desktop started.
    std::vector<std::string> soundsPlayed() const;

    TempDir dir_;
    sim::Desktop desktop_;
    sim::ScriptedUser user_;
    base::Settings settings_;
    base::FileProfileStore profile_;

private:
    std::vector<plat::Uint> posted_;
};

// What a person does in a dialog; each step gives the program time to react
// before the next.  Call them on a thread of the user (a dialog action).
//
// Replaces a field's text: select all, then type.
void Retype(plat::Hwnd dialog, int id, const std::string& text);
void Press(plat::Hwnd dialog, int id);

// What a dialog shows (callable from any simulated thread or the harness).
std::string FieldText(plat::Hwnd dialog, int id);
bool IsChecked(plat::Hwnd dialog, int id);
bool IsEnabled(plat::Hwnd dialog, int id);
// The control id of the control that has the input focus.
int FocusedId();

}  // namespace testsupport

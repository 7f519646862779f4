// The settings dialogs on a simulated desktop: a program thread with a
// stand-in main window as their owner, a scripted user answering them, and
// the settings and profile they work on.
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

namespace app_test {

class DialogsTest : public ::testing::Test {
protected:
    DialogsTest();

    // Runs fn on the program's thread with a fresh main window as the
    // owner; afterwards postedToMain() holds what was left in the thread's
    // queue for that window.
    void onProgram(const std::function<void(plat::Hwnd mainWindow)>& fn);
    const std::vector<plat::Uint>& postedToMain() const { return posted_; }

    // The modal windows the user saw, by caption, and the message boxes'
    // texts among them.
    std::vector<std::string> captionsSeen() const;
    std::vector<std::string> boxTextsSeen() const;

    testsupport::TempDir dir_;
    sim::Desktop desktop_;
    sim::ScriptedUser user_;
    base::Settings settings_;
    base::FileProfileStore profile_;

private:
    std::vector<plat::Uint> posted_;
};

// Replaces a field's text the way a person does: select all, then type.
void Retype(plat::Hwnd dialog, int id, const std::string& text);
// Presses a button and lets the program react before the next step.
void Press(plat::Hwnd dialog, int id);
std::string FieldText(plat::Hwnd dialog, int id);
bool IsChecked(plat::Hwnd dialog, int id);

}  // namespace app_test

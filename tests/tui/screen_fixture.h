// Ornel's windows on a desktop in virtual time, painted as the terminal
// front end paints them and given a person's input through it: a program
// "Ornel" whose thread runs a dialog from a template as its main window.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontends/tui/input_router.h"
#include "frontends/tui/screen.h"
#include "platform/dialog.h"
#include "platform/sim/desktop.h"
#include "platform/window.h"
#include "support/support.h"

namespace tuitest {

constexpr const char* kOrnel = "Ornel";
constexpr const char* kClient = "Pat95";

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest();
    ~ScreenTest() override;

    // Runs fn as Ornel's main thread and the desktop until fn's first
    // window is visible.
    void startOrnel(std::function<void()> fn);
    // A dialog from the template as Ornel's main window (its thread runs it
    // until it ends; the result is kept in dialogResult).
    void showMainWindow(const plat::DialogTemplate& t);
    // Lets the programs take in what was given to them.
    void settle(std::int64_t ms = 200) { desktop_.runFor(ms); }

    // The terminal's picture, as rows of UTF-8 text.
    const tui::Frame& compose(int width = 100, int height = 32);
    std::vector<std::string> lines(int width = 100, int height = 32) { return compose(width, height).canvas.lines(); }
    // The row of the picture holding the text (UTF-8), -1 when none does.
    int rowOf(const std::string& utf8, int width = 100, int height = 32);
    // The column where the text starts on a row of the last picture (UTF-8
    // text; counted in cells, not bytes), -1 when absent.
    int columnOf(int row, const std::string& utf8) const;

    // The person's input: keys against a fresh picture, the mouse against
    // the last one composed (where the person pointed).
    void give(const tui::InputEvent& event);
    void key(tui::Key k);
    void type(const std::string& utf8);
    void mouse(tui::MouseAction action, int row, int col);

    plat::Hwnd mainWindow() const { return screen_.mainWindow(); }

    testsupport::TempDir dir_;
    sim::Desktop desktop_;
    tui::TerminalUser user_;
    tui::Screen screen_{desktop_, user_, kOrnel, kClient};
    tui::InputRouter input_{desktop_, screen_, kOrnel};
    std::unique_ptr<tui::Frame> frame_;
    int dialogResult = 0;
};

// Events as the terminal delivers them.
tui::InputEvent keyEvent(tui::Key k);
tui::InputEvent textEvent(const std::string& utf8);
tui::InputEvent pasteEvent(const std::string& utf8);

}  // namespace tuitest

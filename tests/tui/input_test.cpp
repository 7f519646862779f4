// The person's input through the terminal front end: keys to the focused
// control of the window that takes the keyboard, clicks to the control
// under the mouse in that window only, pastes through the clipboard and
// Ctrl+V, F2 as a right click on the main window, Ctrl+Q as a close request.
#include "platform/sim/user_input.h"
#include "screen_fixture.h"

namespace tuitest {
namespace {

using testsupport::u8;

constexpr int kNameId = 201;
constexpr int kListId = 202;
constexpr int kAskId = 203;

plat::DialogTemplate formTemplate() {
    plat::DialogTemplate t;
    t.caption = "Ornel";
    t.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_SYSMENU;
    t.cx = 180;
    t.cy = 120;
    t.items = {
        {kNameId, "Edit", "", plat::ES_AUTOHSCROLL | plat::WS_BORDER | plat::WS_TABSTOP, 8, 8, 100, 12},
        {kListId, "Edit", "", plat::ES_MULTILINE | plat::ES_UPPERCASE | plat::ES_WANTRETURN | plat::WS_BORDER |
                                 plat::WS_TABSTOP,
         8, 26, 100, 60},
        {kAskId, "Button", "質問", plat::BS_PUSHBUTTON | plat::WS_TABSTOP, 120, 8, 50, 14},
        {plat::IDOK, "Button", "OK", plat::BS_DEFPUSHBUTTON | plat::WS_TABSTOP, 120, 26, 50, 14},
        {plat::IDCANCEL, "Button", "ｷｬﾝｾﾙ", plat::BS_PUSHBUTTON | plat::WS_TABSTOP, 120, 44, 50, 14},
    };
    return t;
}

// Records what reaches it; 質問 asks a question; the right button's release
// on the window itself is noted with its point.
class FormWindow : public plat::Dialog {
public:
    FormWindow() : plat::Dialog(formTemplate()) {}
    std::vector<int> answers;
    std::vector<plat::Point> rightClicks;
    std::string name;
    std::string list;

protected:
    bool onCommand(int id, int) override {
        if (id != kAskId) return false;
        answers.push_back(plat::messageBox(hwnd(), "続けますか？", "Ornel", plat::MB_OKCANCEL));
        return true;
    }
    void doDataExchange(plat::DataExchange& dx) override {
        dx.text(kNameId, name);
        dx.text(kListId, list);
    }
    plat::Lresult onMessage(plat::Uint message, plat::Wparam, plat::Lparam lParam, bool& handled) override {
        handled = message == plat::WM_RBUTTONUP;
        if (handled) rightClicks.push_back({plat::xFromLparam(lParam), plat::yFromLparam(lParam)});
        return 0;
    }
};

class InputTest : public ScreenTest {
protected:
    void SetUp() override {
        startOrnel([this] {
            FormWindow window;
            form_ = &window;
            dialogResult = window.doModal(0);
            answers_ = window.answers;
            rightClicks_ = window.rightClicks;
            name_ = window.name;
            list_ = window.list;
            form_ = nullptr;
        });
    }
    plat::Hwnd item(int id) const { return plat::getDlgItem(mainWindow(), id); }
    std::string text(int id) const { return plat::getWindowText(item(id), 1024); }
    // The cell at the middle of a caption on the picture.
    std::pair<int, int> cellOf(const std::string& utf8) {
        const int row = rowOf(utf8);
        return {row, columnOf(row, utf8)};
    }

    FormWindow* form_ = nullptr;
    std::vector<int> answers_;
    std::vector<plat::Point> rightClicks_;
    std::string name_, list_;
};

TEST_F(InputTest, TypingAndKeysGoToTheFocusedControlAndTheDialogsKeys) {
    type("abc");
    EXPECT_EQ(text(kNameId), "abc") << "the first tab stop has the focus";
    key(tui::Key::Tab);
    type(u8("東京 1r"));
    key(tui::Key::Enter);  // the list keeps Enter
    type("x");
    key(tui::Key::Backspace);
    type("y");
    EXPECT_EQ(text(kListId), "東京 1R\r\nY") << "typed in the list's upper case";
    key(tui::Key::BackTab);
    key(tui::Key::End);
    type("d");
    key(tui::Key::Enter);  // OK, the default button
    EXPECT_EQ(dialogResult, plat::IDOK);
    EXPECT_EQ(name_, "abcd");
}

TEST_F(InputTest, ClicksReachOnlyTheWindowThatTakesInput) {
    compose();
    auto [askRow, askCol] = cellOf(u8("質問"));
    mouse(tui::MouseAction::LeftDown, askRow, askCol);
    mouse(tui::MouseAction::LeftUp, askRow, askCol);
    ASSERT_NE(screen_.keyboardWindow(), mainWindow()) << "the question is up";
    // The main window is disabled under the box: a click there does nothing.
    compose();
    const auto [okRow, okCol] = cellOf("OK");  // the box's OK lies over the window's
    mouse(tui::MouseAction::LeftDown, okRow, okCol);
    mouse(tui::MouseAction::LeftUp, okRow, okCol);
    EXPECT_EQ(screen_.keyboardWindow(), mainWindow()) << "the box's OK answered it";
    // A press that is released elsewhere is no click.
    compose();
    mouse(tui::MouseAction::LeftDown, askRow, askCol);
    mouse(tui::MouseAction::LeftUp, askRow + 4, askCol);
    EXPECT_EQ(screen_.keyboardWindow(), mainWindow());
    // ｷｬﾝｾﾙ of the main window: still there under where the box was.
    compose();
    auto [row, col] = cellOf(u8("ｷｬﾝｾﾙ"));
    mouse(tui::MouseAction::LeftDown, row, col);
    mouse(tui::MouseAction::LeftUp, row, col);
    EXPECT_EQ(dialogResult, plat::IDCANCEL);
    EXPECT_EQ(answers_, (std::vector<int>{plat::IDOK}));
}

TEST_F(InputTest, AClickInTheListPutsTheCaretWhereItFalls) {
    plat::setWindowText(item(kListId), "ABCDEF\r\nGHIJKL");
    compose();
    const int row = rowOf("GHIJKL");
    mouse(tui::MouseAction::LeftDown, row, columnOf(row, "GHIJKL") + 2);
    mouse(tui::MouseAction::LeftUp, row, columnOf(row, "GHIJKL") + 2);
    type("x");
    EXPECT_EQ(text(kListId), "ABCDEF\r\nGHXIJKL");
    EXPECT_EQ(plat::getFocus(), item(kListId));
}

TEST_F(InputTest, APasteGoesThroughTheClipboardAsCtrlV) {
    key(tui::Key::Tab);
    give(pasteEvent(u8("東京 1r 単勝 1 100\n京都 2r\r\n")));
    EXPECT_EQ(text(kListId), "東京 1R 単勝 1 100\r\n京都 2R\r\n") << "the list's upper case; lines end in CR LF";
    EXPECT_EQ(plat::getClipboardText(), "東京 1r 単勝 1 100\r\n京都 2r\r\n");
    key(tui::Key::Paste);
    EXPECT_EQ(text(kListId), "東京 1R 単勝 1 100\r\n京都 2R\r\n東京 1R 単勝 1 100\r\n京都 2R\r\n");
}

TEST_F(InputTest, F2RightClicksTheMainWindowWhereNoControlIs) {
    key(tui::Key::ContextMenu);
    key(tui::Key::Escape);  // ends the dialog, so its record can be read
    ASSERT_EQ(rightClicks_.size(), 1u);
    const plat::Point at = rightClicks_.front();
    const plat::Rect client = plat::mapDialogRect(0, 0, formTemplate().cx, formTemplate().cy);
    EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.x < client.right && at.y < client.bottom);
    for (const plat::DialogItem& control : formTemplate().items) {
        const plat::Rect r = plat::mapDialogRect(control.x, control.y, control.cx, control.cy);
        EXPECT_FALSE(at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom) << control.id;
    }
}

TEST_F(InputTest, CtrlQAsksTheWindowThatTakesTheKeyboardToClose) {
    key(tui::Key::Tab);
    key(tui::Key::Tab);
    key(tui::Key::Space);  // 質問
    ASSERT_NE(screen_.keyboardWindow(), mainWindow());
    key(tui::Key::Close);
    EXPECT_EQ(screen_.keyboardWindow(), mainWindow()) << "the box closed as ｷｬﾝｾﾙ";
    key(tui::Key::Close);
    EXPECT_EQ(dialogResult, plat::IDCANCEL);
    EXPECT_EQ(answers_, (std::vector<int>{plat::IDCANCEL}));
}

TEST_F(InputTest, KeysComeBackToOrnelWhenAnotherProgramTookTheFocus) {
    key(tui::Key::Tab);
    compose();  // the front end notes where the focus is with every picture
    plat::Hwnd field = 0;
    desktop_.startProgram(kClient, "", [&] {
        plat::CreateParams p;
        p.className = "Edit";
        p.style = plat::WS_POPUP | plat::WS_VISIBLE;
        field = plat::createWindow(p);
        plat::setFocus(field);
        plat::Msg msg;
        while (plat::getMessage(msg)) plat::dispatchMessage(msg);
    });
    settle();
    ASSERT_EQ(plat::getFocus(), field);
    type("a");
    EXPECT_EQ(text(kListId), "A");
    EXPECT_EQ(plat::getWindowText(field), "");
    EXPECT_EQ(plat::getFocus(), item(kListId));
}

}  // namespace
}  // namespace tuitest

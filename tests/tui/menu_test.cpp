// Menus through the terminal: the context menu a right click (F2) opens and
// the system menu F10 opens, shown as boxes and answered from the keyboard
// or the mouse.
#include "platform/menu.h"
#include "screen_fixture.h"

namespace tuitest {
namespace {

using testsupport::u8;

constexpr plat::Uint kFirst = 101, kSecond = 102, kThird = 103;

// A window whose context menu has three commands and a separator; the
// commands that reach it are recorded.
class MenuWindow : public plat::Dialog {
public:
    explicit MenuWindow(std::vector<int>& commands) : plat::Dialog(windowTemplate()), commands_(commands) {}

private:
    static plat::DialogTemplate windowTemplate() {
        plat::DialogTemplate t;
        t.caption = "Ornel";
        t.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_SYSMENU | plat::WS_MINIMIZEBOX;
        t.cx = 180;
        t.cy = 120;
        t.items = {{plat::IDOK, "Button", "OK", plat::BS_PUSHBUTTON | plat::WS_TABSTOP, 120, 8, 50, 14}};
        return t;
    }
    bool onCommand(int id, int) override {
        commands_.push_back(id);
        return id != plat::IDCANCEL;
    }
    plat::Lresult onMessage(plat::Uint message, plat::Wparam, plat::Lparam lParam, bool& handled) override {
        handled = message == plat::WM_RBUTTONUP;
        if (!handled) return 0;
        const plat::Hmenu menu = plat::loadMenuIndirect({{0, "メニュー", false,
                                                          {{kFirst, "一番目(&A)", false, {}},
                                                           {0, "", true, {}},
                                                           {kSecond, "二番目(&B)", false, {}},
                                                           {kThird, "三番目(&C)", false, {}}}}});
        plat::Point at{plat::xFromLparam(lParam), plat::yFromLparam(lParam)};
        plat::clientToScreen(hwnd(), at);
        plat::trackPopupMenu(plat::getSubMenu(menu, 0), plat::TPM_RIGHTBUTTON, at.x, at.y, hwnd());
        plat::destroyMenu(menu);
        return 0;
    }
    std::vector<int>& commands_;
};

class MenuTest : public ScreenTest {
protected:
    void SetUp() override {
        startOrnel([this] {
            MenuWindow window(commands_);
            dialogResult = window.doModal(0);
        });
    }
    bool menuOpen() { return !compose().menus.empty(); }
    std::vector<int> commands_;
};

TEST_F(MenuTest, F2OpensTheContextMenuAndTheArrowsAndEnterChoose) {
    key(tui::Key::ContextMenu);
    ASSERT_TRUE(menuOpen());
    const tui::CellRect menu = frame_->menus.front().cells;
    auto styleOfEntry = [&](int entry) { return compose().canvas.at(menu.top + 1 + entry, menu.left + 2).style; };
    EXPECT_EQ(rowOf(u8("一番目(A)")), menu.top + 1);
    EXPECT_EQ(rowOf(u8("三番目(C)")), menu.top + 4) << "below the separator";
    EXPECT_EQ(styleOfEntry(0), tui::Style::MenuSelected);
    key(tui::Key::Down);
    key(tui::Key::Down);  // over the separator
    EXPECT_EQ(styleOfEntry(2), tui::Style::MenuItem);
    EXPECT_EQ(styleOfEntry(3), tui::Style::MenuSelected);
    key(tui::Key::Enter);
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(commands_, std::vector<int>{kThird});

    key(tui::Key::ContextMenu);
    key(tui::Key::Up);  // round the top to the last
    key(tui::Key::Enter);
    key(tui::Key::ContextMenu);
    type("b");  // a mnemonic
    EXPECT_EQ(commands_, (std::vector<int>{kThird, kThird, kSecond}));
}

TEST_F(MenuTest, EscapeOrAClickElsewhereLeavesTheMenuAndAClickOnAnEntryChoosesIt) {
    key(tui::Key::ContextMenu);
    key(tui::Key::Escape);
    EXPECT_FALSE(menuOpen());
    key(tui::Key::ContextMenu);
    ASSERT_TRUE(menuOpen());
    const tui::CellRect cells = frame_->menus.front().cells;
    mouse(tui::MouseAction::LeftDown, cells.bottom + 1, cells.right + 1);
    EXPECT_FALSE(menuOpen());
    EXPECT_TRUE(commands_.empty()) << "nothing chosen";

    key(tui::Key::ContextMenu);
    ASSERT_TRUE(menuOpen());
    const int row = rowOf(u8("二番目(B)"));
    mouse(tui::MouseAction::LeftDown, row, frame_->menus.front().cells.left + 3);
    mouse(tui::MouseAction::LeftUp, row, frame_->menus.front().cells.left + 3);
    EXPECT_FALSE(menuOpen());
    EXPECT_EQ(commands_, std::vector<int>{kSecond});
    EXPECT_NE(screen_.keyboardWindow(), 0u) << "the window takes the keyboard again";
}

TEST_F(MenuTest, F10OpensTheSystemMenuWhoseGreyedEntriesArePassedOver) {
    key(tui::Key::SystemMenu);
    ASSERT_TRUE(menuOpen());
    const int left = frame_->menus.front().cells.left;
    auto styleOf = [&](const char* entry) {
        const int row = rowOf(u8(entry));
        return frame_->canvas.at(row, left + 2).style;
    };
    EXPECT_EQ(styleOf("最大化(X)"), tui::Style::DisabledMenuItem);
    EXPECT_NE(rowOf("Alt+F4"), -1);
    // Down from 最小化 passes over 最大化 and the separator to 閉じる.
    for (int i = 0; i < 8 && styleOf("最小化(N)") != tui::Style::MenuSelected; ++i) key(tui::Key::Down);
    ASSERT_EQ(styleOf("最小化(N)"), tui::Style::MenuSelected);
    key(tui::Key::Down);
    EXPECT_EQ(styleOf("閉じる(C)"), tui::Style::MenuSelected);
    key(tui::Key::Enter);
    EXPECT_EQ(dialogResult, plat::IDCANCEL) << "closed as its system menu's 閉じる does";
}

TEST_F(MenuTest, AWindowMinimizedFromItsSystemMenuShowsItsCaptionAndEnterRestoresIt) {
    key(tui::Key::SystemMenu);
    type("n");  // 最小化(N)
    ASSERT_TRUE(plat::isIconic(mainWindow()));
    const std::vector<std::string> rows = lines();
    EXPECT_EQ(rows[0].rfind(" Ornel  ", 0), 0u) << rows[0];
    EXPECT_EQ(rows[1], "") << "nothing of the window below its caption";
    EXPECT_EQ(rowOf("OK"), -1);
    key(tui::Key::Enter);
    EXPECT_FALSE(plat::isIconic(mainWindow()));
    EXPECT_NE(rowOf("OK"), -1);
    EXPECT_TRUE(commands_.empty()) << "Enter restored the window and pressed nothing";
}

}  // namespace
}  // namespace tuitest

// The terminal's picture of the desktop: Ornel's main window laid out as
// its template places it, its boxes and dialogs over it, the client's forms
// flowed into their pane, and text at the columns its bytes give it.
#include "app/environment_dialog.h"
#include "frontends/tui/flow_painter.h"
#include "platform/sjis.h"
#include "screen_fixture.h"
#include "ui/main_window_layout.h"

namespace tuitest {
namespace {

using testsupport::u8;

// The main window's template run as the program runs it: the staging edit
// hidden, and a message box on request (WM_USER).
class MainLikeWindow : public plat::Dialog {
public:
    MainLikeWindow() : plat::Dialog(ui::MainWindowTemplate()) {}

protected:
    bool onInitDialog() override {
        plat::showWindow(item(ui::kIdStaging), plat::SW_HIDE);
        return true;
    }
    plat::Lresult onMessage(plat::Uint message, plat::Wparam, plat::Lparam, bool& handled) override {
        handled = message == plat::WM_USER;
        if (handled) plat::messageBox(hwnd(), "投票しますか？", "Ornel", plat::MB_YESNO | plat::MB_ICONQUESTION);
        return 0;
    }
};

class MainWindowScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        startOrnel([this] {
            MainLikeWindow window;
            dialogResult = window.doModal(0);
        });
    }
    plat::Hwnd item(int id) const { return plat::getDlgItem(mainWindow(), id); }
};

TEST_F(MainWindowScreenTest, TheMainWindowShowsItsCaptionStatusBoxListAndButtonsWhereItsTemplatePutsThem) {
    plat::setWindowText(item(ui::kIdStatusBox), "ベット計     1000/   1 Bet\r\n投票合計        0/   0 Bet\r\n"
                                                  "購入可能   256000/ 300 Bet\r\n本節収支        0/       0");
    const std::vector<std::string> rows = lines(100, 32);
    EXPECT_EQ(rows[0].rfind(" Ornel", 0), 0u) << rows[0];
    const int top = rowOf(u8("投票"));
    const int bottom = rowOf(u8("読込"));
    ASSERT_GE(top, 1);
    EXPECT_EQ(bottom, top + 2) << "17 dialog units apart: two rows";
    for (const char* caption : {"ﾏ-ｼﾞ", "？"}) EXPECT_NE(columnOf(top, u8(caption)), -1) << u8(caption);
    for (const char* caption : {"ｸﾘｱ", "AUTO"}) EXPECT_NE(columnOf(bottom, u8(caption)), -1) << u8(caption);
    EXPECT_EQ(columnOf(top, u8("投票")), columnOf(bottom, u8("読込"))) << "both at x 124";
    EXPECT_EQ(columnOf(top, u8("ﾏ-ｼﾞ")), columnOf(bottom, u8("ｸﾘｱ"))) << "both at x 143";
    // The status box shows its first three lines inside its border, left of the buttons.
    EXPECT_EQ(rowOf(u8("ベット計     1000/   1 Bet")), top);
    EXPECT_EQ(rowOf(u8("購入可能   256000/ 300 Bet")), top + 2);
    EXPECT_EQ(rowOf(u8("本節収支")), -1) << "the fourth line is below the box's edge";
    EXPECT_LT(columnOf(top, u8("Bet")), columnOf(top, u8("投票")));
    // The client's pane beside the window, the status line at the bottom.
    EXPECT_NE(columnOf(0, "(the betting client is not running)"), -1);
    EXPECT_GT(columnOf(0, "(the betting client is not running)"), columnOf(top, u8("？")));
    EXPECT_EQ(rows[31], "status");
}

TEST_F(MainWindowScreenTest, ButtonsShowTheirCaptionsAndWhetherTheyTakeInput) {
    plat::setWindowText(item(ui::kIdBet), "STOP");
    plat::enableWindow(item(ui::kIdAutoMode), false);
    plat::setFocus(item(ui::kIdLoad));
    const int top = rowOf("STOP");
    ASSERT_GE(top, 0);
    const tui::Canvas& canvas = frame_->canvas;
    EXPECT_EQ(canvas.at(top, columnOf(top, "STOP")).style, tui::Style::Button);
    EXPECT_EQ(canvas.at(top + 2, columnOf(top + 2, "AUTO")).style, tui::Style::DisabledButton);
    EXPECT_EQ(canvas.at(top + 2, columnOf(top + 2, u8("読込"))).style, tui::Style::FocusButton);
    EXPECT_FALSE(canvas.cursorVisible()) << "no caret outside an edit";
}

TEST_F(MainWindowScreenTest, TheListFollowsItsCaretAndTheCursorSitsOnIt) {
    std::string text;
    for (int i = 1; i <= 40; ++i) text += "LINE" + std::to_string(100 + i) + "\r\n";
    const plat::Hwnd list = item(ui::kIdBetList);
    plat::setWindowText(list, text + "END");
    plat::setFocus(list);
    plat::sendMessage(list, plat::EM_SETSEL, text.size() + 3, static_cast<plat::Lparam>(text.size() + 3));
    const int last = rowOf("END");
    ASSERT_GE(last, 0);
    EXPECT_EQ(rowOf("LINE101"), -1);
    EXPECT_EQ(rowOf("LINE140"), last - 1);
    EXPECT_TRUE(frame_->canvas.cursorVisible());
    EXPECT_EQ(frame_->canvas.cursorRow(), last);
    EXPECT_EQ(frame_->canvas.cursorCol(), columnOf(last, "END") + 3);

    plat::sendMessage(list, plat::EM_SETSEL, 0, 0);
    const int first = rowOf("LINE101");
    EXPECT_GE(first, 0);
    EXPECT_EQ(rowOf("END"), -1);
    EXPECT_EQ(frame_->canvas.cursorRow(), first);
    EXPECT_EQ(frame_->canvas.cursorCol(), columnOf(first, "LINE101"));
}

TEST_F(MainWindowScreenTest, WideAndAmbiguousCharactersKeepEveryLaterColumnWhereTheBytesPutIt) {
    const plat::Hwnd list = item(ui::kIdBetList);
    plat::setWindowText(list, "東京○①ｱ|x\r\n123456789|");
    const int row = rowOf(u8("東京"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(columnOf(row, "|"), columnOf(row + 1, "|")) << "nine columns for nine bytes";
    EXPECT_NE(lines()[static_cast<std::size_t>(row)].find(u8("東京○ ① ｱ|")), std::string::npos)
        << "a symbol the terminal draws one column wide is followed by a blank";
}

TEST_F(MainWindowScreenTest, ABoxStandsOverTheMainWindowAndTakesTheKeyboard) {
    plat::postMessage(mainWindow(), plat::WM_USER, 0, 0);
    settle();
    const tui::Frame frame = compose(100, 32);  // a copy: rowOf composes again
    ASSERT_NE(frame.keyboardWindow, mainWindow());
    const int text = rowOf(u8("投票しますか？"));
    ASSERT_GT(text, 0);
    const int buttons = rowOf(u8("はい(Y)"));
    EXPECT_GT(buttons, text);
    EXPECT_NE(columnOf(buttons, u8("いいえ(N)")), -1);
    // Over the main window, centred on it.
    const tui::Placement& main = frame.placements.front();
    const tui::Placement& box = frame.placements.back();
    EXPECT_EQ(box.window, frame.keyboardWindow);
    EXPECT_GE(box.cells.left, main.cells.left);
    EXPECT_LE(box.cells.right, main.cells.right);
    EXPECT_LE(std::abs((box.cells.left + box.cells.right) - (main.cells.left + main.cells.right)), 2);
    EXPECT_EQ(frame.canvas.at(box.cells.top, box.cells.left + 1).style, tui::Style::ActiveCaption);
    EXPECT_EQ(frame.canvas.at(0, 1).style, tui::Style::Caption) << "the main window is not active";
}

TEST_F(ScreenTest, ADialogTallerThanTheTerminalKeepsItsFocusedFieldInView) {
    showMainWindow(app::EnvironmentTemplate());
    const plat::Hwnd dialog = screen_.keyboardWindow();
    EXPECT_EQ(rowOf(u8("設定"), 100, 50), 0) << "whole on a tall terminal";
    plat::setFocus(plat::getDlgItem(dialog, app::kIdEnvMessageWait));
    const int row = rowOf(u8("メッセージ後待ち時間"), 100, 24);
    EXPECT_GE(row, 0);
    EXPECT_LT(row, 23);
    EXPECT_EQ(rowOf(u8("ディレクトリの設定"), 100, 24), -1) << "the top went out of view";
    EXPECT_EQ(lines(100, 24)[23], "status");
}

TEST(ReadingOrder, RowsGoTopToBottomAndEachRowLeftToRight) {
    // A header, then three frames side by side of which the tallest starts
    // first, then a row below them.
    const std::vector<plat::Rect> rects = {
        {15, 26, 460, 46},    // 0 header
        {469, 48, 612, 225},  // 1 keypad, tallest
        {15, 50, 135, 95},    // 2 venue
        {280, 72, 468, 240},  // 3 numbers
        {15, 112, 135, 162},  // 4 day, below venue but within the keypad's rows
        {15, 232, 135, 350},  // 5 kinds
        {490, 248, 590, 278}, // 6 OK
    };
    const auto rows = tui::readingRows(rects);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::size_t>{0}));
    EXPECT_EQ(rows[1], (std::vector<std::size_t>{2, 4, 3, 1}));
    EXPECT_EQ(rows[2], (std::vector<std::size_t>{5, 6}));
}

// A form of the client: a frame with a drop-down list, option buttons, a
// button, and a list of several lines.
void buildForm() {
    plat::registerClass("ThunderRTForm", plat::defWindowProc);
    plat::CreateParams form;
    form.className = "ThunderRTForm";
    form.caption = "投票";
    form.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_VISIBLE;
    form.rect = {0, 0, 640, 430};
    const plat::Hwnd f = plat::createWindow(form);
    auto add = [&](plat::Hwnd parent, const char* cls, const char* text, plat::Dword style, plat::Rect r, int id) {
        plat::CreateParams p;
        p.className = cls;
        p.caption = text;
        p.style = style | plat::WS_CHILD | plat::WS_VISIBLE;
        p.parent = parent;
        p.rect = r;
        p.id = id;
        return plat::createWindow(p);
    };
    const plat::Hwnd frame = add(f, "Button", "場名", plat::BS_GROUPBOX, {10, 40, 130, 90}, 0);
    const plat::Hwnd combo = add(frame, "ComboBox", "", plat::CBS_DROPDOWNLIST, {10, 15, 110, 35}, 1);
    plat::sendMessage(combo, plat::CB_ADDSTRING, 0, reinterpret_cast<plat::Lparam>("東京"));
    plat::sendMessage(combo, plat::CB_SETCURSEL, 0, 0);
    const plat::Hwnd win = add(f, "Button", "単勝", plat::BS_AUTORADIOBUTTON, {150, 40, 220, 60}, 2);
    plat::sendMessage(win, plat::BM_SETCHECK, plat::BST_CHECKED, 0);
    add(f, "Button", "複勝", plat::BS_AUTORADIOBUTTON, {230, 40, 300, 60}, 3);
    plat::enableWindow(add(f, "Button", "Ｏ　Ｋ", 0, {400, 40, 480, 70}, 4), false);
    add(f, "Edit", "01 東京\r\n02 京都", plat::ES_MULTILINE | plat::ES_READONLY, {10, 200, 300, 300}, 5);
    plat::Msg msg;
    while (plat::getMessage(msg)) plat::dispatchMessage(msg);
}

TEST_F(ScreenTest, TheClientsFormsAreFlowedIntoTheirPane) {
    desktop_.startProgram(kClient, "", buildForm);
    settle();
    const std::vector<std::string> rows = lines(100, 20);
    const int caption = rowOf(u8("投票"), 100, 20);
    ASSERT_GE(caption, 0);
    EXPECT_GT(columnOf(caption, u8("投票")), 48) << "right of the main window's place";
    EXPECT_NE(rows[static_cast<std::size_t>(caption + 1)].find(u8("場名: [東京v] (*)単勝 ( )複勝 [Ｏ　Ｋ]")),
              std::string::npos)
        << rows[static_cast<std::size_t>(caption + 1)];
    EXPECT_NE(rows[static_cast<std::size_t>(caption + 2)].find(u8("01 東京")), std::string::npos);
    EXPECT_NE(rows[static_cast<std::size_t>(caption + 3)].find(u8("02 京都")), std::string::npos);
    const int okColumn = columnOf(caption + 1, u8("[Ｏ　Ｋ]"));
    EXPECT_EQ(frame_->canvas.at(caption + 1, okColumn).style, tui::Style::DisabledButton);

    // A control the driver has just operated stands out.
    const plat::Hwnd ok = plat::getDlgItem(plat::findWindow("ThunderRTForm", nullptr), 4);
    const tui::Frame busy = screen_.compose(100, 20, "", {ok});
    EXPECT_EQ(busy.canvas.at(caption + 1, okColumn).style, tui::Style::Busy);
    EXPECT_EQ(busy.canvas.windowAt(caption + 1, okColumn), ok);
}

TEST_F(ScreenTest, TheClientsPaneGoesWhenTheTerminalIsNarrow) {
    desktop_.startProgram(kClient, "", buildForm);
    settle();
    EXPECT_EQ(rowOf(u8("場名"), 60, 20), -1);
    EXPECT_NE(rowOf(u8("場名"), 80, 20), -1);
}

}  // namespace
}  // namespace tuitest

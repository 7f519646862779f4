// The keyboard in dialogs and message boxes, as a person at the terminal
// uses it: Tab and Shift+Tab along the tab stops, Enter for the focused or
// default button, Escape for ｷｬﾝｾﾙ, Space and mnemonics for buttons, arrows
// among option buttons; a list that keeps Enter keeps it.
#include "controls_fixture.h"
#include "platform/clock.h"
#include "platform/sim/user_input.h"

namespace controls_test {
namespace {

using sim::VK_TAB;

constexpr int kKeyNameId = 101;
constexpr int kListId = 102;
constexpr int kKeyCheckId = 103;
constexpr int kDisabledId = 104;
constexpr int kFirstOptionId = 105;
constexpr int kSecondOptionId = 106;
constexpr int kThirdOptionId = 107;

DialogTemplate formTemplate() {
    DialogTemplate t;
    t.caption = "入力";
    t.cx = 200;
    t.cy = 140;
    t.items = {
        {kKeyNameId, "Edit", "", ES_AUTOHSCROLL | WS_TABSTOP, 10, 10, 80, 12},
        {kListId, "Edit", "", ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP, 10, 26, 80, 40},
        {-1, "Static", "label", SS_LEFT, 10, 70, 80, 8},
        {kKeyCheckId, "Button", "確認(&K)", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 80, 80, 10},
        {kDisabledId, "Button", "無効", BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 10, 92, 40, 14},
        {kFirstOptionId, "Button", "一", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 100, 80, 30, 10},
        {kSecondOptionId, "Button", "二", BS_AUTORADIOBUTTON, 100, 92, 30, 10},
        {kThirdOptionId, "Button", "三", BS_AUTORADIOBUTTON, 100, 104, 30, 10},
        {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 140, 10, 50, 14},
        {IDCANCEL, "Button", "ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, 140, 30, 50, 14},
    };
    return t;
}

class FormDialog : public Dialog {
public:
    FormDialog() : Dialog(formTemplate()) {}
    std::string name = "abc";
    std::string list;
    int check = 0;

protected:
    void doDataExchange(DataExchange& dx) override {
        dx.text(kKeyNameId, name);
        dx.text(kListId, list);
        dx.check(kKeyCheckId, check);
    }
};

using DialogKeyboardTest = ControlsTest;

// A step of the person: it acts on the control that has the focus, then
// leaves the program time to take it in.
void press(Wparam key, bool shift = false) {
    sim::pressKey(getFocus(), key, shift);
    plat::sleep(100);
}
void typeText(const std::string& text) {
    sim::typeChars(getFocus(), text);
    plat::sleep(100);
}

TEST_F(DialogKeyboardTest, TabWalksTheTabStopsAndEnterTakesTheDefaultButton) {
    FormDialog dialog;
    std::vector<int> focusIds;
    std::string nameSelection;
    auto noteFocus = [&] { focusIds.push_back(getDlgCtrlId(getFocus())); };
    user_.onDialog("入力", [&](sim::Desktop&, const sim::ModalInfo&) {
        noteFocus();                        // the first tab stop
        press(VK_TAB);
        noteFocus();                        // the list
        typeText("A");
        press(VK_RETURN);                   // the list keeps Enter
        typeText("B");
        press(VK_TAB);
        noteFocus();                        // the check box, past the label
        press(sim::VK_SPACE);               // checks it
        press(VK_TAB);
        noteFocus();                        // the disabled button is passed over
        press(VK_TAB);
        noteFocus();
        press(VK_TAB);
        noteFocus();
        press(VK_TAB);
        noteFocus();                        // round the end
        press(VK_TAB, true);
        press(VK_TAB, true);
        noteFocus();                        // Shift+Tab goes back
        press(VK_TAB);
        press(VK_TAB);
        noteFocus();
        Dword start = 0, end = 0;
        sendMessage(getFocus(), EM_GETSEL, reinterpret_cast<Wparam>(&start), reinterpret_cast<Lparam>(&end));
        nameSelection = std::to_string(start) + "-" + std::to_string(end);
        typeText("xyz");                    // replaces the selected text
        press(VK_RETURN);                   // OK, the default button
    });
    int result = 0;
    onApp([&] { result = dialog.doModal(0); });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(focusIds, (std::vector<int>{kKeyNameId, kListId, kKeyCheckId, kFirstOptionId, IDOK, IDCANCEL, kKeyNameId,
                                          IDOK, kKeyNameId}));
    EXPECT_EQ(nameSelection, "0-3") << "an edit reached by Tab has its text selected";
    EXPECT_EQ(dialog.name, "xyz");
    EXPECT_EQ(dialog.list, "A\r\nB") << "Enter broke the line; Tab inserted nothing";
    EXPECT_EQ(dialog.check, 1);
}

TEST_F(DialogKeyboardTest, EnterOnAFocusedButtonPressesItAndEscapeCancels) {
    std::vector<int> results;
    std::vector<int> optionChecks;
    user_.onDialog("入力", [&](sim::Desktop&, const sim::ModalInfo& info) {
        if (results.empty()) {
            setFocus(getDlgItem(info.window, IDCANCEL));
            press(VK_RETURN);
            return;
        }
        setFocus(getDlgItem(info.window, kSecondOptionId));
        press(VK_DOWN);
        press(VK_DOWN);  // round the end of the group
        press(VK_UP);
        for (int id : {kFirstOptionId, kSecondOptionId, kThirdOptionId})
            optionChecks.push_back(static_cast<int>(sendMessage(getDlgItem(info.window, id), BM_GETCHECK, 0, 0)));
        press(VK_ESCAPE);
    });
    onApp([&] {
        FormDialog first;
        results.push_back(first.doModal(0));
        FormDialog second;
        results.push_back(second.doModal(0));
    });
    EXPECT_EQ(results, (std::vector<int>{IDCANCEL, IDCANCEL}));
    EXPECT_EQ(optionChecks, (std::vector<int>{0, 0, 1})) << "down to 三, round to 一, up to 三";
}

TEST_F(DialogKeyboardTest, MessageBoxesAnswerTheirMnemonicsAndKeepQuestionsOpenOnEscape) {
    std::vector<int> results;
    std::vector<std::int64_t> times;
    onApp([&] {
        const Hwnd owner = makeParent();
        auto ask = [&](Uint type, std::function<void()> keys) {
            desktop_.act(100, std::move(keys));
            results.push_back(messageBox(owner, "続けますか？", "確認", type, 0));
            times.push_back(desktop_.virtualMs());
        };
        user_.ignoreProgram("app");  // the person here is the keyboard
        const std::int64_t start = desktop_.virtualMs();
        ask(MB_YESNO, [] { typeText("n"); });
        ask(MB_YESNO, [] {
            press(VK_ESCAPE);  // a question cannot be cancelled
            sim::typeAltChar(getFocus(), 'y');
        });
        ask(MB_YESNO, [] { press(VK_RETURN); });  // the first button is the default
        ask(MB_OKCANCEL, [] { press(VK_ESCAPE); });
        ask(MB_OKCANCEL, [] {
            press(VK_TAB);
            press(sim::VK_SPACE);
        });
        times.insert(times.begin(), start);
    });
    EXPECT_EQ(results, (std::vector<int>{IDNO, IDYES, IDYES, IDCANCEL, IDCANCEL}));
    EXPECT_EQ(times[2] - times[1], 200) << "Escape left the question open until Alt+Y";
}

}  // namespace
}  // namespace controls_test

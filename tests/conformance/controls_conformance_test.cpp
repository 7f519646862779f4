// Standard controls as the program and the driver use them: edit messages
// counting bytes, combo boxes, and clicks posted as mouse messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/host.h"
#include "conformance/pump.h"
#include "platform/window.h"

namespace {

using namespace plat;
using conformance::pumpUntil;
using conformance::runAsProgram;

struct Notification {
    int id;
    int code;
    friend bool operator==(const Notification&, const Notification&) = default;
};

// A top-level window that records the notifications of its controls.
class Parent {
public:
    Parent() {
        CreateParams params;
        params.className = "Static";
        params.caption = "conformance";
        params.style = WS_POPUP | WS_VISIBLE;
        params.rect = {0, 0, 400, 300};
        hwnd_ = createWindow(params);
        const WndProc original = classProc("Static");
        setWindowProc(hwnd_, [this, original](Hwnd h, Uint m, Wparam w, Lparam l) {
            if (m == WM_COMMAND) notifications.push_back({loWord(w), hiWord(w)});
            return callWindowProc(original, h, m, w, l);
        });
    }
    ~Parent() { destroyWindow(hwnd_); }
    Hwnd hwnd() const { return hwnd_; }

    Hwnd add(const std::string& className, Dword style, int id, const std::string& text = "",
             Rect rect = {10, 10, 200, 100}) {
        CreateParams params;
        params.className = className;
        params.caption = text;
        params.style = style | WS_CHILD | WS_VISIBLE;
        params.rect = rect;
        params.parent = hwnd_;
        params.id = id;
        return createWindow(params);
    }
    bool notified(int id, int code) const {
        for (const Notification& n : notifications)
            if (n.id == id && n.code == code) return true;
        return false;
    }

    std::vector<Notification> notifications;

private:
    Hwnd hwnd_ = 0;
};

std::string text(Hwnd window) {
    const Lresult length = sendMessage(window, WM_GETTEXTLENGTH, 0, 0);
    return getWindowText(window, static_cast<std::size_t>(length) + 1);
}

std::string line(Hwnd edit, int index) {
    char buffer[64] = {};
    *reinterpret_cast<unsigned short*>(buffer) = sizeof buffer;
    const Lresult n = sendMessage(edit, EM_GETLINE, static_cast<Wparam>(index), reinterpret_cast<Lparam>(buffer));
    return std::string(buffer, static_cast<std::size_t>(n));
}

void type(Hwnd window, const std::string& chars) {
    for (char c : chars) sendMessage(window, WM_CHAR, static_cast<unsigned char>(c), 0);
}

TEST(ControlsConformance, AMultiLineEditCountsLinesAndPositions) {
    ASSERT_TRUE(runAsProgram([] {
        Parent parent;
        const Hwnd edit = parent.add("Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 100);
        ASSERT_NE(edit, 0u);
        EXPECT_TRUE(setWindowText(edit, "Tokyo 9R\r\nAB\r\n"));
        EXPECT_EQ(sendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 14);
        EXPECT_EQ(sendMessage(edit, EM_GETLINECOUNT, 0, 0), 3);
        EXPECT_EQ(sendMessage(edit, EM_LINEINDEX, 1, 0), 10);
        EXPECT_EQ(sendMessage(edit, EM_LINEINDEX, 2, 0), 14);
        EXPECT_EQ(sendMessage(edit, EM_LINELENGTH, 10, 0), 2);
        EXPECT_EQ(sendMessage(edit, EM_LINEFROMCHAR, 11, 0), 1);
        EXPECT_EQ(line(edit, 0), "Tokyo 9R");
        EXPECT_EQ(line(edit, 1), "AB");
        sendMessage(edit, EM_SETSEL, 10, 12);
        sendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<Lparam>("XYZ"));
        EXPECT_EQ(text(edit), "Tokyo 9R\r\nXYZ\r\n");
        sendMessage(edit, EM_SETSEL, 0, -1);
        sendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<Lparam>(""));
        EXPECT_EQ(text(edit), "");
        EXPECT_EQ(sendMessage(edit, EM_GETLINECOUNT, 0, 0), 1);
    }));
}

TEST(ControlsConformance, AnAnsiEditCountsPositionsInShiftJisBytes) {
    ASSERT_TRUE(runAsProgram([] {
        Parent parent;
        const Hwnd edit = parent.add("Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 100);
        ASSERT_NE(edit, 0u);
        EXPECT_TRUE(setWindowText(edit, "東京 9R\r\nAB\r\n"));
        EXPECT_EQ(sendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 13);
        EXPECT_EQ(sendMessage(edit, EM_GETLINECOUNT, 0, 0), 3);
        EXPECT_EQ(sendMessage(edit, EM_LINEINDEX, 1, 0), 9);
        EXPECT_EQ(sendMessage(edit, EM_LINEINDEX, 2, 0), 13);
        EXPECT_EQ(sendMessage(edit, EM_LINELENGTH, 9, 0), 2);
        EXPECT_EQ(sendMessage(edit, EM_LINEFROMCHAR, 10, 0), 1);
        EXPECT_EQ(line(edit, 0), "東京 9R");
        EXPECT_EQ(line(edit, 1), "AB");

        sendMessage(edit, EM_SETSEL, 9, 11);
        sendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<Lparam>("阪神"));
        EXPECT_EQ(text(edit), "東京 9R\r\n阪神\r\n");
    }));
}

TEST(ControlsConformance, EditStylesAndTheLimitFilterTypedCharacters) {
    ASSERT_TRUE(runAsProgram([] {
        Parent parent;
        const Hwnd upper = parent.add("Edit", ES_UPPERCASE | ES_AUTOHSCROLL, 101);
        type(upper, "ab1");
        EXPECT_EQ(text(upper), "AB1");

        const Hwnd number = parent.add("Edit", ES_NUMBER | ES_AUTOHSCROLL, 102);
        type(number, "1x2");
        EXPECT_EQ(text(number), "12");

        const Hwnd limited = parent.add("Edit", ES_AUTOHSCROLL, 103);
        sendMessage(limited, EM_LIMITTEXT, 3, 0);
        type(limited, "1234");
        EXPECT_EQ(text(limited), "123");
        EXPECT_EQ(sendMessage(limited, EM_GETLIMITTEXT, 0, 0), 3);
        // The limit holds for typing only; the program may set longer text.
        EXPECT_TRUE(setWindowText(limited, "12345"));
        EXPECT_EQ(text(limited), "12345");
    }));
}

TEST(ControlsConformance, AComboBoxListsItemsInBytesAndArrowKeysMoveItsSelection) {
    ASSERT_TRUE(runAsProgram([] {
        Parent parent;
        const Hwnd combo = parent.add("ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 200);
        ASSERT_NE(combo, 0u);
        for (const char* item : {"東京", "阪神", "AB"}) sendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<Lparam>(item));
        EXPECT_EQ(sendMessage(combo, CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(sendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_EQ(sendMessage(combo, CB_GETLBTEXTLEN, 1, 0), 4);
        char item[16] = {};
        EXPECT_EQ(sendMessage(combo, CB_GETLBTEXT, 1, reinterpret_cast<Lparam>(item)), 4);
        EXPECT_EQ(std::string(item), "阪神");
        EXPECT_EQ(sendMessage(combo, CB_GETLBTEXT, 5, reinterpret_cast<Lparam>(item)), CB_ERR);

        sendMessage(combo, CB_SETCURSEL, 0, 0);
        EXPECT_EQ(sendMessage(combo, CB_GETCURSEL, 0, 0), 0);
        EXPECT_FALSE(parent.notified(200, CBN_SELCHANGE)) << "the program's own choice is not announced";
        sendMessage(combo, WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_EQ(sendMessage(combo, CB_GETCURSEL, 0, 0), 1);
        EXPECT_TRUE(parent.notified(200, CBN_SELCHANGE));
        sendMessage(combo, WM_KEYDOWN, VK_UP, 0);
        EXPECT_EQ(sendMessage(combo, CB_GETCURSEL, 0, 0), 0);
        sendMessage(combo, WM_KEYDOWN, VK_UP, 0);
        EXPECT_EQ(sendMessage(combo, CB_GETCURSEL, 0, 0), 0) << "the first item stays";
    }));
}

TEST(ControlsConformance, PostedMouseClicksPressButtonsAndCheckBoxes) {
    ASSERT_TRUE(runAsProgram([] {
        Parent parent;
        const Hwnd button = parent.add("Button", BS_PUSHBUTTON, 300, "OK", {10, 10, 90, 40});
        const Hwnd check = parent.add("Button", BS_AUTOCHECKBOX, 301, "check", {10, 50, 90, 70});
        const Lparam inside = makeLparam(5, 5);
        for (Hwnd target : {button, check}) {
            postMessage(target, WM_MOUSEMOVE, 0, inside);
            postMessage(target, WM_LBUTTONDOWN, MK_LBUTTON, inside);
            postMessage(target, WM_LBUTTONUP, 0, inside);
        }
        EXPECT_TRUE(pumpUntil([&] { return parent.notified(300, BN_CLICKED) && parent.notified(301, BN_CLICKED); }));
        EXPECT_EQ(sendMessage(check, BM_GETCHECK, 0, 0), static_cast<Lresult>(BST_CHECKED));

        // Disabling keeps the user's mouse away, not posted messages: a
        // client that only disables a button is still pressed by them.
        parent.notifications.clear();
        enableWindow(button, false);
        postMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        postMessage(button, WM_LBUTTONUP, 0, inside);
        EXPECT_TRUE(pumpUntil([&] { return parent.notified(300, BN_CLICKED); }));

        // Released outside the button: no click.
        parent.notifications.clear();
        enableWindow(button, true);
        postMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        postMessage(button, WM_LBUTTONUP, 0, makeLparam(300, 5));
        postMessage(check, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        postMessage(check, WM_LBUTTONUP, 0, inside);
        EXPECT_TRUE(pumpUntil([&] { return parent.notified(301, BN_CLICKED); }));
        EXPECT_FALSE(parent.notified(300, BN_CLICKED));
        EXPECT_EQ(sendMessage(check, BM_GETCHECK, 0, 0), static_cast<Lresult>(BST_UNCHECKED));

        // Nor does a disabled window keep posted input from its controls: it
        // gets their notifications, and its edit takes the characters.  (A
        // form that must take no input while disabled refuses it itself.)
        parent.notifications.clear();
        const Hwnd edit = parent.add("Edit", ES_AUTOHSCROLL, 302, "", {10, 80, 90, 100});
        enableWindow(parent.hwnd(), false);
        postMessage(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        postMessage(button, WM_LBUTTONUP, 0, inside);
        postMessage(edit, WM_CHAR, 'A', 0);
        EXPECT_TRUE(pumpUntil([&] { return parent.notified(300, BN_CLICKED) && text(edit) == "A"; }));
        EXPECT_FALSE(isWindowEnabled(parent.hwnd()));
    }));
}

}  // namespace

// The edit control as the bet list and the dialogs use it: line operations
// on CR LF text counted in bytes, selection and replacement, the clipboard,
// and typed characters with the control's styles and limit.
#include <cstring>

#include "controls_fixture.h"

namespace controls_test {
namespace {

using testsupport::u8;

constexpr int kEditId = 1001;

// EM_GETLINE into a buffer whose first WORD holds its size; the bytes after
// the copied ones are '#' so that a terminating NUL or an overrun shows.
struct LineRead {
    Lresult returned;
    std::string bytes;   // what was copied
    char next;           // the byte after the copied ones
};
LineRead readLine(Hwnd edit, int line, std::uint16_t size) {
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    std::memcpy(buffer, &size, sizeof size);
    const Lresult n = sendMessage(edit, EM_GETLINE, static_cast<Wparam>(line), reinterpret_cast<Lparam>(buffer));
    const std::size_t copied = n > 0 ? static_cast<std::size_t>(n) : 0;
    return {n, std::string(buffer, copied), buffer[copied]};
}

using EditTest = ControlsTest;

TEST_F(EditTest, LineOperationsCountBytesAndTheEmptyLastLine) {
    onApp([&] {
        const Hwnd edit = makeControl(makeParent(), "Edit", ES_MULTILINE, kEditId);
        EXPECT_EQ(send(edit, EM_GETLINECOUNT), 1) << "an empty text has one line";

        // "001: 東京" is 9 bytes; lines start at 0, 11, 13 and 18 (empty last line).
        setWindowText(edit, "001: 東京\r\n\r\nxyz\r\n");
        EXPECT_EQ(send(edit, EM_GETLINECOUNT), 4);
        EXPECT_EQ(send(edit, EM_LINEINDEX, 0), 0);
        EXPECT_EQ(send(edit, EM_LINEINDEX, 1), 11);
        EXPECT_EQ(send(edit, EM_LINEINDEX, 2), 13);
        EXPECT_EQ(send(edit, EM_LINEINDEX, 3), 18);
        EXPECT_EQ(send(edit, EM_LINEINDEX, 4), -1);
        EXPECT_EQ(send(edit, EM_LINELENGTH, 3), 9);
        EXPECT_EQ(send(edit, EM_LINELENGTH, 11), 0);
        EXPECT_EQ(send(edit, EM_LINEFROMCHAR, 10), 0) << "the LF still belongs to line 0";
        EXPECT_EQ(send(edit, EM_LINEFROMCHAR, 14), 2);
        EXPECT_EQ(send(edit, EM_LINEFROMCHAR, 500), 3);

        send(edit, EM_SETSEL, 14, 14);
        EXPECT_EQ(send(edit, EM_LINEINDEX, static_cast<Wparam>(-1)), 13) << "-1 = the caret's line";
        EXPECT_EQ(send(edit, EM_LINEFROMCHAR, static_cast<Wparam>(-1)), 2);
    });
}

TEST_F(EditTest, GetLineCopiesAtMostTheSizeWordWithoutNul) {
    onApp([&] {
        const Hwnd edit = makeControl(makeParent(), "Edit", ES_MULTILINE, kEditId);
        setWindowText(edit, "001: 東京 11R\r\nxyz\r\n");

        LineRead whole = readLine(edit, 0, 256);
        EXPECT_EQ(whole.returned, 13);
        EXPECT_EQ(u8(whole.bytes), u8("001: 東京 11R"));
        EXPECT_EQ(whole.next, '#') << "no terminating NUL";

        LineRead cut = readLine(edit, 0, 6);  // ends inside 東
        EXPECT_EQ(cut.returned, 6);
        EXPECT_EQ(cut.bytes, std::string("001: 東").substr(0, 6));
        EXPECT_EQ(cut.next, '#');

        EXPECT_EQ(readLine(edit, 2, 256).returned, 0) << "the empty last line";
        EXPECT_EQ(readLine(edit, 3, 256).returned, 0) << "beyond the last line";
        EXPECT_EQ(readLine(edit, 1, 0).returned, 0);
    });
}

TEST_F(EditTest, SelectionAndReplacement) {
    onApp([&] {
        const Hwnd edit = makeControl(makeParent(), "Edit", ES_MULTILINE, kEditId);
        setWindowText(edit, "ab\r\ncd");
        send(edit, EM_SETSEL, 1, 5);
        Dword start = 99, end = 99;
        EXPECT_EQ(send(edit, EM_GETSEL, reinterpret_cast<Wparam>(&start), reinterpret_cast<Lparam>(&end)),
                  makeLparam(1, 5));
        EXPECT_EQ(start, 1u);
        EXPECT_EQ(end, 5u);

        sendText(edit, EM_REPLACESEL, 0, "XY");
        EXPECT_EQ(text(edit), "aXYd");
        EXPECT_EQ(send(edit, EM_GETSEL), makeLparam(3, 3)) << "caret after the inserted text";
        EXPECT_EQ(send(edit, EM_GETLINECOUNT), 1);

        send(edit, EM_SETSEL, 0, -1);
        EXPECT_EQ(send(edit, EM_GETSEL), makeLparam(0, 4)) << "-1 end = to the end";
        send(edit, EM_SETSEL, static_cast<Wparam>(-1), 0);
        start = end = 99;
        send(edit, EM_GETSEL, reinterpret_cast<Wparam>(&start), reinterpret_cast<Lparam>(&end));
        EXPECT_EQ(start, end) << "start -1 removes the selection";

        send(edit, EM_SETSEL, 4, 1);  // backwards: the same bytes
        sendText(edit, EM_REPLACESEL, 0, "\r\n");
        EXPECT_EQ(text(edit), "a\r\n");
        EXPECT_EQ(send(edit, EM_GETLINECOUNT), 2);
    });
}

TEST_F(EditTest, CutAndPasteGoThroughTheClipboard) {
    onApp([&] {
        const Hwnd parent = makeParent();
        const Hwnd list = makeControl(parent, "Edit", ES_MULTILINE, kEditId);
        setWindowText(list, "L1\r\nL2\r\nL3\r\n");
        notifications_.clear();

        // Remove the first two lines as the bet runner does after a failure.
        send(list, EM_SETSEL, 0, send(list, EM_LINEINDEX, 2));
        send(list, WM_CUT);
        EXPECT_EQ(text(list), "L3\r\n");
        EXPECT_EQ(getClipboardText(), "L1\r\nL2\r\n");
        EXPECT_EQ(notificationsWithCode(EN_CHANGE), (std::vector<Notification>{{kEditId, EN_CHANGE, list}}));

        send(list, EM_SETSEL, 4, 4);
        send(list, WM_PASTE);
        EXPECT_EQ(text(list), "L3\r\nL1\r\nL2\r\n");
        EXPECT_EQ(send(list, EM_GETSEL), makeLparam(12, 12));

        const Hwnd field = makeControl(parent, "Edit", ES_AUTOHSCROLL, 1002);
        setClipboardText("abc\r\ndef");
        send(field, WM_PASTE);
        EXPECT_EQ(text(field), "abc") << "a single-line edit takes the first line";

        send(list, EM_SETREADONLY, 1);
        send(list, EM_SETSEL, 0, -1);
        send(list, WM_CUT);
        send(list, WM_PASTE);
        EXPECT_EQ(text(list), "L3\r\nL1\r\nL2\r\n") << "read-only";
        EXPECT_EQ(getClipboardText(), "abc\r\ndef");
    });
}

TEST_F(EditTest, TypedCharactersFollowTheStyles) {
    onApp([&] {
        const Hwnd parent = makeParent();
        const Hwnd upper = makeControl(parent, "Edit", ES_UPPERCASE, 1);
        type(upper, "tk 11r\r");
        EXPECT_EQ(text(upper), "TK 11R") << "CR is ignored by a single-line edit";

        const Hwnd list = makeControl(parent, "Edit", ES_MULTILINE, 2);
        const std::string tokyo = "東京";
        type(list, tokyo.substr(0, 1));
        EXPECT_EQ(text(list), "") << "a lead byte waits for its trail byte";
        type(list, tokyo.substr(1) + "\r3");
        EXPECT_EQ(u8(text(list)), u8("東京\r\n3"));
        pressKey(list, VK_UP);  // column 1 of line 0 is inside 東: the caret stays before it
        type(list, "x");
        pressKey(list, VK_RIGHT);
        pressKey(list, VK_RIGHT);
        pressKey(list, VK_RIGHT);  // over 東, 京 and the line end
        type(list, "y");
        EXPECT_EQ(u8(text(list)), u8("x東京\r\ny3"));
        pressKey(list, VK_DOWN);  // no line below: stays
        pressKey(list, VK_RIGHT);
        type(list, "\b\b\b\b");
        EXPECT_EQ(u8(text(list)), u8("x東")) << "backspace takes CR LF and a double-byte character whole";

        const Hwnd digits = makeControl(parent, "Edit", ES_NUMBER, 3);
        const std::size_t soundsBefore = soundCount();
        type(digits, "1a2");
        EXPECT_EQ(text(digits), "12");
        EXPECT_EQ(soundCount(), soundsBefore + 1) << "the refused letter beeps";

        send(list, EM_SETREADONLY, 1);
        type(list, "x");
        EXPECT_EQ(u8(text(list)), u8("x東"));
        EXPECT_NE(getStyle(list) & ES_READONLY, 0u);
    });
}

TEST_F(EditTest, TextLimitRefusesInputButNotTheProgramsText) {
    onApp([&] {
        const Hwnd parent = makeParent();
        const Hwnd list = makeControl(parent, "Edit", ES_MULTILINE, 1);
        EXPECT_EQ(send(list, EM_GETLIMITTEXT), 30000);

        const Hwnd id = makeControl(parent, "Edit", ES_NUMBER, 2);
        send(id, EM_LIMITTEXT, 4);
        EXPECT_EQ(send(id, EM_GETLIMITTEXT), 4);
        type(id, "123456");
        EXPECT_EQ(text(id), "1234");
        send(id, EM_SETSEL, 1, 3);
        type(id, "9");
        EXPECT_EQ(text(id), "194") << "typing over a selection frees its room";

        const Hwnd name = makeControl(parent, "Edit", 0, 3);
        send(name, EM_LIMITTEXT, 3);
        type(name, "a東");
        EXPECT_EQ(u8(text(name)), u8("a東"));
        type(name, "東");
        EXPECT_EQ(u8(text(name)), u8("a東")) << "a double-byte character that does not fit is refused whole";
        send(name, EM_SETSEL, 0, -1);
        sendText(name, EM_REPLACESEL, 0, "xy東");
        EXPECT_EQ(text(name), "xy") << "pasted text is cut to fit, never inside a character";

        setWindowText(name, "longer than three");
        EXPECT_EQ(text(name), "longer than three");
    });
}

}  // namespace
}  // namespace controls_test

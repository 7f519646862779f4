#include "betdata/edit_transfer.h"

#include <cstdint>
#include <cstring>

#include "platform/window.h"

namespace betdata {

namespace {

using namespace plat;

int textLength(Hwnd edit) { return static_cast<int>(sendMessage(edit, WM_GETTEXTLENGTH, 0, 0)); }

int lineStart(Hwnd edit, int line) {
    return static_cast<int>(sendMessage(edit, EM_LINEINDEX, static_cast<Wparam>(line), 0));
}

// EM_GETLINE takes the buffer size in the buffer's first two bytes.
std::string readLine(Hwnd edit, int line) {
    const int start = lineStart(edit, line);
    if (start < 0) return {};
    const auto length =
        static_cast<std::size_t>(sendMessage(edit, EM_LINELENGTH, static_cast<Wparam>(start), 0));
    std::string buffer(std::max<std::size_t>(length, sizeof(std::uint16_t)), '\0');
    const auto size = static_cast<std::uint16_t>(std::min<std::size_t>(length, UINT16_MAX));
    std::memcpy(buffer.data(), &size, sizeof size);
    const auto copied = static_cast<std::size_t>(
        sendMessage(edit, EM_GETLINE, static_cast<Wparam>(line), reinterpret_cast<Lparam>(buffer.data())));
    buffer.resize(std::min(copied, length));
    return buffer;
}

void replaceSelection(Hwnd edit, const std::string& text) {
    sendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<Lparam>(text.c_str()));
}

}  // namespace

int EditLineCount(Hwnd edit) { return static_cast<int>(sendMessage(edit, EM_GETLINECOUNT, 0, 0)); }

int CaretLine(Hwnd edit) {
    return static_cast<int>(sendMessage(edit, EM_LINEFROMCHAR, static_cast<Wparam>(-1), 0));
}

std::vector<std::string> EditLines(Hwnd edit) {
    std::vector<std::string> lines;
    const int count = EditLineCount(edit);
    for (int i = 0; i < count; ++i) lines.push_back(readLine(edit, i));
    return lines;
}

std::string EditText(Hwnd edit) {
    return getWindowText(edit, static_cast<std::size_t>(textLength(edit)) + 1);
}

void ClearEdit(Hwnd edit) { setWindowText(edit, ""); }

void SetCaret(Hwnd edit, int position) {
    sendMessage(edit, EM_SETSEL, static_cast<Wparam>(position), position);
    sendMessage(edit, EM_SCROLLCARET, 0, 0);
}

void SetCaretToStart(Hwnd edit) { SetCaret(edit, 0); }
void SetCaretToEnd(Hwnd edit) { SetCaret(edit, textLength(edit)); }

void AppendToEdit(Hwnd edit, const std::string& text) {
    SetCaretToEnd(edit);
    replaceSelection(edit, text);
}

void InsertAfterLastCompleteLine(Hwnd edit, const std::string& text) {
    const int start = lineStart(edit, EditLineCount(edit) - 1);
    SetCaret(edit, start < 0 ? textLength(edit) : start);
    replaceSelection(edit, text);
}

std::string CutFromLine(Hwnd edit, int line) {
    const int start = lineStart(edit, line < 0 ? 0 : line);
    if (start < 0) return {};
    const std::string text = EditText(edit);
    sendMessage(edit, EM_SETSEL, static_cast<Wparam>(start), -1);
    replaceSelection(edit, "");
    return text.substr(static_cast<std::size_t>(start));
}

}  // namespace betdata

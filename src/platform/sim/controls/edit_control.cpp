// The "Edit" class: single- and multi-line edit controls.
//
// Only what ANSI edit controls do for the messages the programs use; there
// is no drawing, scrolling or undo.  Text changes are mirrored into the
// window's caption so that the caption always reads as the edit's text.
#include <cstring>

#include "platform/dialog.h"
#include "platform/sim/controls/control_procs.h"
#include "platform/sim/controls/control_support.h"
#include "platform/sim/controls/edit_text.h"
#include "platform/sjis.h"

namespace sim::controls {
namespace {

using namespace plat;

// Default limits on what the user may enter, as on Windows.
constexpr std::size_t kSingleLineLimit = 32767;
constexpr std::size_t kMultiLineLimit = 30000;
// EM_LIMITTEXT 0: as much as the control can hold.
constexpr std::size_t kLargestLimit = 0x7FFFFFFE;

// Control characters an edit control acts on.
constexpr unsigned char kCtrlC = 0x03;
constexpr unsigned char kBackspace = 0x08;
constexpr unsigned char kTab = 0x09;
constexpr unsigned char kReturn = 0x0D;
constexpr unsigned char kCtrlV = 0x16;
constexpr unsigned char kCtrlX = 0x18;
constexpr unsigned char kDelete = 0x7F;

struct EditState {
    bool initialised = false;
    EditText text;
    std::size_t limit = 0;
    bool redraw = true;
    int heldLeadByte = -1;  // first byte of a double-byte character typed as two WM_CHARs
};

// The text starts as the caption the window was created with.
void initialise(Hwnd window, EditState& state) {
    if (!state.initialised) {
        const bool multiline = (getStyle(window) & ES_MULTILINE) != 0;
        state.text = EditText(multiline);
        state.text.setText(storedCaption(window));
        state.limit = multiline ? kMultiLineLimit : kSingleLineLimit;
        state.initialised = true;
    }
}

bool hasStyle(Hwnd window, Dword bits) { return (getStyle(window) & bits) != 0; }

// ES_UPPERCASE / ES_LOWERCASE applied to inserted text (single-byte letters
// only; both bytes of a double-byte character are left alone).
std::string applyCaseStyle(Hwnd window, std::string text) {
    const bool upper = hasStyle(window, ES_UPPERCASE);
    const bool lower = hasStyle(window, ES_LOWERCASE);
    if (!upper && !lower) return text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char& c = text[i];
        if (sjis::isLeadByte(static_cast<unsigned char>(c))) {
            ++i;
        } else if (upper && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (lower && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// How many bytes may still be inserted in place of the selection.
std::size_t room(const EditState& state) {
    const std::size_t kept =
        state.text.size() - (state.text.selectionEnd() - state.text.selectionStart());
    return kept >= state.limit ? 0 : state.limit - kept;
}

// The longest start of `text` of at most `maxBytes` that splits neither a
// double-byte character nor a CR LF.
std::string fitting(const std::string& text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + 1;
        if ((sjis::isLeadByte(static_cast<unsigned char>(text[end])) ||
             text.compare(end, 2, "\r\n") == 0) &&
            end + 1 < text.size()) {
            next = end + 2;
        }
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

void changed(Hwnd window, const EditState& state) {
    storeCaption(window, state.text.text());
    notifyParent(window, EN_CHANGE);
}

// Programmatic and pasted insertion: what does not fit the limit is cut off.
void insertCut(Hwnd window, EditState& state, const std::string& text) {
    const std::string inserted = fitting(applyCaseStyle(window, text), room(state));
    if (inserted.empty() && !state.text.hasSelection()) return;
    state.text.replaceSelection(inserted);
    changed(window, state);
}

// Typed insertion: refused as a whole when it does not fit.
void insertTyped(Hwnd window, EditState& state, const std::string& text) {
    if (hasStyle(window, ES_READONLY)) return;
    const std::string inserted = applyCaseStyle(window, text);
    if (inserted.size() > room(state)) return;
    state.text.replaceSelection(inserted);
    changed(window, state);
}

// Deletes the selection, or else the character before (backspace) or after
// the caret.
void deleteCharacter(Hwnd window, EditState& state, bool before) {
    if (hasStyle(window, ES_READONLY)) return;
    EditText& text = state.text;
    if (!text.hasSelection()) {
        const std::size_t caret = text.caret();
        if (before) {
            text.select(text.previousCharacter(caret), caret);
        } else {
            text.select(caret, text.nextCharacter(caret));
        }
        if (!text.hasSelection()) return;
    }
    text.replaceSelection("");
    changed(window, state);
}

void copySelection(Hwnd window, const EditState& state) {
    if (hasStyle(window, ES_PASSWORD) || !state.text.hasSelection()) return;
    setClipboardText(state.text.selectedText());
}

void clearSelection(Hwnd window, EditState& state) {
    if (hasStyle(window, ES_READONLY) || !state.text.hasSelection()) return;
    state.text.replaceSelection("");
    changed(window, state);
}

void cutSelection(Hwnd window, EditState& state) {
    if (hasStyle(window, ES_READONLY) || hasStyle(window, ES_PASSWORD)) return;
    copySelection(window, state);
    clearSelection(window, state);
}

void paste(Hwnd window, EditState& state) {
    if (hasStyle(window, ES_READONLY)) return;
    std::string text = getClipboardText();
    if (!state.text.multiline()) {
        // A single-line edit takes the clipboard's first line only.
        text = text.substr(0, text.find_first_of("\r\n"));
    }
    insertCut(window, state, text);
}

void refuseInput() { messageBeep(MB_OK); }

void onChar(Hwnd window, EditState& state, unsigned char c) {
    const bool multiline = state.text.multiline();
    if (state.heldLeadByte >= 0) {
        const std::string character{static_cast<char>(state.heldLeadByte), static_cast<char>(c)};
        state.heldLeadByte = -1;
        if (hasStyle(window, ES_NUMBER)) {
            refuseInput();
        } else {
            insertTyped(window, state, character);
        }
        return;
    }
    switch (c) {
    case kBackspace: deleteCharacter(window, state, true); return;
    case kReturn:
        if (multiline) insertTyped(window, state, "\r\n");
        return;
    case kCtrlC: copySelection(window, state); return;
    case kCtrlX: cutSelection(window, state); return;
    case kCtrlV: paste(window, state); return;
    case kTab:
        if (multiline) insertTyped(window, state, "\t");
        return;
    default: break;
    }
    if (c < 0x20 || c == kDelete) return;
    if (sjis::isLeadByte(c)) {
        if (!hasStyle(window, ES_READONLY)) state.heldLeadByte = c;
        return;
    }
    if (hasStyle(window, ES_NUMBER) && (c < '0' || c > '9')) {
        refuseInput();
        return;
    }
    insertTyped(window, state, std::string(1, static_cast<char>(c)));
}

void onKeyDown(Hwnd window, EditState& state, Wparam key) {
    EditText& text = state.text;
    const std::size_t caret = text.caret();
    const std::size_t line = text.lineFromPosition(caret);
    const std::size_t column = caret - text.lineStart(line);
    switch (key) {
    case VK_LEFT: text.moveCaret(text.previousCharacter(caret)); break;
    case VK_RIGHT: text.moveCaret(text.nextCharacter(caret)); break;
    case VK_UP:
        if (line > 0) text.moveCaret(text.positionOnLine(line - 1, column));
        break;
    case VK_DOWN:
        if (line + 1 < text.lineCount()) text.moveCaret(text.positionOnLine(line + 1, column));
        break;
    case VK_HOME: text.moveCaret(text.lineStart(line)); break;
    case VK_END: text.moveCaret(text.lineStart(line) + text.lineLength(line)); break;
    case VK_DELETE: deleteCharacter(window, state, false); break;
    default: break;
    }
}

// EM_GETLINE: the buffer's first WORD gives its size; the line is copied
// without a terminating NUL and the number of bytes copied is returned.
Lresult getLine(const EditState& state, Wparam wParam, Lparam lParam) {
    if (lParam == 0) return 0;
    char* buffer = reinterpret_cast<char*>(lParam);
    std::uint16_t size = 0;
    std::memcpy(&size, buffer, sizeof size);
    const std::int32_t line = state.text.multiline() ? signedArg(wParam) : 0;
    if (line < 0 || static_cast<std::size_t>(line) >= state.text.lineCount()) return 0;
    const std::string text = state.text.lineText(static_cast<std::size_t>(line));
    const std::size_t count = std::min<std::size_t>(size, text.size());
    std::memcpy(buffer, text.data(), count);
    return static_cast<Lresult>(count);
}

// EM_LINELENGTH: the length of the line holding a position; -1 = the bytes
// outside the selection on the lines the selection touches.
Lresult lineLength(const EditState& state, Wparam wParam) {
    const EditText& text = state.text;
    if (!text.multiline()) return static_cast<Lresult>(text.size());
    const std::int32_t position = signedArg(wParam);
    if (position < 0) {
        const std::size_t first = text.lineFromPosition(text.selectionStart());
        const std::size_t last = text.lineFromPosition(text.selectionEnd());
        const std::size_t lastEnd = text.lineStart(last) + text.lineLength(last);
        return static_cast<Lresult>((text.selectionStart() - text.lineStart(first)) +
                                    (lastEnd - text.selectionEnd()));
    }
    if (static_cast<std::size_t>(position) > text.size()) return 0;
    return static_cast<Lresult>(text.lineLength(text.lineFromPosition(position)));
}

Lresult getSelection(const EditState& state, Wparam wParam, Lparam lParam) {
    const std::size_t start = state.text.selectionStart();
    const std::size_t end = state.text.selectionEnd();
    if (wParam != 0) *reinterpret_cast<Dword*>(wParam) = static_cast<Dword>(start);
    if (lParam != 0) *reinterpret_cast<Dword*>(lParam) = static_cast<Dword>(end);
    if (start > 0xFFFF || end > 0xFFFF) return -1;
    return static_cast<Lresult>(makeLparam(static_cast<int>(start), static_cast<int>(end)));
}

void setSelection(EditState& state, Wparam wParam, Lparam lParam) {
    const std::int32_t start = signedArg(wParam);
    const std::int32_t end = signedArg(static_cast<std::uintptr_t>(lParam));
    EditText& text = state.text;
    if (start < 0) {
        text.moveCaret(text.caret());
        return;
    }
    text.select(static_cast<std::size_t>(start),
                end < 0 ? text.size() : static_cast<std::size_t>(end));
}

// In a dialog an edit takes characters and the arrow keys; a multi-line edit
// that keeps Enter takes Enter too.  Tab, Escape and a plain Enter are the
// dialog's.
Lresult dialogCode(const EditState& state, Hwnd window, Wparam key) {
    Lresult code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (key == VK_RETURN && state.text.multiline() && hasStyle(window, ES_WANTRETURN)) code |= DLGC_WANTMESSAGE;
    return code;
}

Lresult editMessage(EditState& state, Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    initialise(window, state);
    EditText& text = state.text;
    switch (message) {
    case WM_CREATE: return 0;
    case WM_GETDLGCODE: return dialogCode(state, window, wParam);
    case WM_SETTEXT:
        text.setText(lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
        state.heldLeadByte = -1;
        changed(window, state);
        return 1;
    case WM_GETTEXT: return copyTextOut(text.text(), wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<Lresult>(text.size());
    case WM_SETREDRAW: state.redraw = wParam != 0; return 0;
    case WM_CHAR:
        if (isWindowEnabled(window)) onChar(window, state, static_cast<unsigned char>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (isWindowEnabled(window)) onKeyDown(window, state, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (isWindowEnabled(window)) setFocus(window);
        return 0;
    case WM_CUT: cutSelection(window, state); return 0;
    case WM_COPY: copySelection(window, state); return 0;
    case WM_PASTE: paste(window, state); return 0;
    case WM_CLEAR: clearSelection(window, state); return 0;
    case EM_GETLINECOUNT: return static_cast<Lresult>(text.lineCount());
    case EM_GETLINE: return getLine(state, wParam, lParam);
    case EM_LINEINDEX: {
        const std::int32_t line = signedArg(wParam);
        const std::size_t index =
            line < 0 ? text.lineFromPosition(text.caret()) : static_cast<std::size_t>(line);
        return index < text.lineCount() ? static_cast<Lresult>(text.lineStart(index)) : -1;
    }
    case EM_LINELENGTH: return lineLength(state, wParam);
    case EM_LINEFROMCHAR: {
        const std::int32_t position = signedArg(wParam);
        return static_cast<Lresult>(text.lineFromPosition(
            position < 0 ? text.selectionStart() : static_cast<std::size_t>(position)));
    }
    case EM_GETSEL: return getSelection(state, wParam, lParam);
    case EM_SETSEL: setSelection(state, wParam, lParam); return 0;
    case EM_REPLACESEL:
        insertCut(window, state, lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
        return 0;
    case EM_SCROLLCARET: return 1;
    case EM_LIMITTEXT: state.limit = wParam == 0 ? kLargestLimit : wParam; return 0;
    case EM_GETLIMITTEXT: return static_cast<Lresult>(state.limit);
    case EM_SETREADONLY: {
        const Dword style = getStyle(window);
        setStyle(window, wParam != 0 ? style | ES_READONLY : style & ~ES_READONLY);
        return 1;
    }
    default: return defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

WndProc makeEditProc() { return statefulProc<EditState>(editMessage); }

}  // namespace sim::controls

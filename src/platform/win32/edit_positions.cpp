#include "platform/win32/edit_positions.h"

#include <string>

#include "platform/sjis.h"

namespace win32 {

namespace {

constexpr const char* kEditClass = "Edit";
// One double-byte character: two bytes, one character.
constexpr const char* kProbeText = "\x82\xA0";

bool editsCountCharacters() {
    static const bool characters = [] {
        const HWND edit = CreateWindowExA(0, kEditClass, "", WS_POPUP | ES_MULTILINE, 0, 0, 0, 0, nullptr, nullptr,
                                          GetModuleHandleA(nullptr), nullptr);
        if (edit == nullptr) return false;
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kProbeText));
        const bool counted = SendMessageA(edit, EM_LINELENGTH, 0, 0) == 1;
        DestroyWindow(edit);
        return counted;
    }();
    return characters;
}

bool isOwnEdit(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return false;
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, kEditClass) == 0;
}

std::string textOf(HWND edit) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The byte offset of the character at index `characters` (the end when the
// text is shorter).
LRESULT byteOffset(const std::string& text, LRESULT characters) {
    std::size_t at = 0;
    for (LRESULT n = 0; n < characters && at < text.size(); ++n)
        at += sjis::isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
    return static_cast<LRESULT>(at);
}

// The index of the character that starts at or holds byte `bytes`.
WPARAM characterIndex(const std::string& text, WPARAM bytes) {
    WPARAM characters = 0;
    for (std::size_t at = 0; at < text.size() && at < bytes; ++characters)
        at += sjis::isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
    return characters;
}

// A selection end: -1 (the end of the text) and the like stay as they are.
WPARAM characterPosition(const std::string& text, WPARAM position) {
    return static_cast<LONG>(position) < 0 ? position : characterIndex(text, position);
}

}  // namespace

std::optional<LRESULT> sendEditMessageInBytes(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_LINEFROMCHAR:
    case EM_SETSEL:
    case EM_GETSEL:
        break;
    default:
        return std::nullopt;
    }
    if (!isOwnEdit(window) || !editsCountCharacters()) return std::nullopt;
    const std::string text = textOf(window);
    switch (message) {
    case EM_LINEINDEX: {
        const LRESULT start = SendMessageA(window, message, wParam, lParam);
        return start < 0 ? start : byteOffset(text, start);
    }
    case EM_LINELENGTH: {
        if (static_cast<LONG>(wParam) < 0) return std::nullopt;
        const WPARAM position = characterIndex(text, wParam);
        const LRESULT line = SendMessageA(window, EM_LINEFROMCHAR, position, 0);
        const LRESULT start = SendMessageA(window, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        const LRESULT length = SendMessageA(window, EM_LINELENGTH, position, 0);
        return byteOffset(text, start + length) - byteOffset(text, start);
    }
    case EM_LINEFROMCHAR:
        return SendMessageA(window, message, characterPosition(text, wParam), lParam);
    case EM_SETSEL:
        return SendMessageA(window, message, characterPosition(text, wParam),
                            static_cast<LPARAM>(characterPosition(text, static_cast<WPARAM>(lParam))));
    default: {  // EM_GETSEL
        DWORD start = 0, end = 0;
        SendMessageA(window, message, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        start = static_cast<DWORD>(byteOffset(text, start));
        end = static_cast<DWORD>(byteOffset(text, end));
        if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
        return MAKELONG(start > 0xFFFF ? 0xFFFF : start, end > 0xFFFF ? 0xFFFF : end);
    }
    }
}

}  // namespace win32

// Message boxes, beeps, the open-file dialog, the wait cursor and the
// clipboard on Windows.
#include "platform/win32/windows_api.h"

namespace plat {

int messageBox(Hwnd owner, const std::string& text, const std::string& caption, Uint type, Uint helpId) {
    MSGBOXPARAMSA params{};
    params.cbSize = sizeof params;
    params.hwndOwner = owner != 0 ? GetAncestor(win32::hwnd(owner), GA_ROOT) : nullptr;
    params.hInstance = win32::instance();
    params.lpszText = text.c_str();
    params.lpszCaption = caption.c_str();
    params.dwStyle = type;
    params.dwContextHelpId = helpId;
    return MessageBoxIndirectA(&params);
}

void messageBeep(Uint type) { MessageBeep(type); }

bool openFileDialog(Hwnd owner, OpenFileRequest& request) {
    // The filter's '|' separators become the NULs Windows expects.
    std::string filter = request.filter;
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter.push_back('\0');
    char file[MAX_PATH] = {};
    lstrcpynA(file, request.fileName.c_str(), sizeof file);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = win32::hwnd(owner);
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | (request.hideReadOnly ? OFN_HIDEREADONLY : 0);
    if (!GetOpenFileNameA(&ofn)) return false;
    request.chosenPath = file;
    return true;
}

namespace {

thread_local int waitDepth = 0;
thread_local HCURSOR cursorBeforeWait = nullptr;

}  // namespace

void beginWaitCursor() {
    const HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    if (waitDepth++ == 0) cursorBeforeWait = previous;
}

void endWaitCursor() {
    if (waitDepth == 0) return;
    if (--waitDepth == 0) SetCursor(cursorBeforeWait ? cursorBeforeWait : LoadCursor(nullptr, IDC_ARROW));
}

bool setClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    bool ok = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        char* bytes = static_cast<char*>(GlobalLock(memory));
        memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_TEXT, memory) != nullptr;
        if (!ok) GlobalFree(memory);
    }
    CloseClipboard();
    return ok;
}

std::string getClipboardText() {
    if (!OpenClipboard(nullptr)) return {};
    std::string text;
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(memory))) {
            text = bytes;
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace plat

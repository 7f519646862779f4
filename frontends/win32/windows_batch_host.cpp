// The batch commands' host on Windows: Ornel runs on the command's own
// thread, and a thread timer of that thread plays the user.  The timer
// fires inside the modal loops of Ornel's boxes and dialogs (and of its
// main window while a bet run shows boxes on its own thread), so every box
// of the process is found once it is visible and complete, recorded and
// answered.
#include <windows.h>

#include <filesystem>
#include <set>

#include "frontends/cli/batch_host.h"
#include "platform/files.h"

namespace cli {

namespace {

// How often the user looks for a new box.
constexpr UINT kLookMs = 10;
// The static text of a message box, as Windows numbers it.
constexpr int kBoxTextId = 0xFFFF;
constexpr const char* kDialogClass = "#32770";

class WindowsBatchHost : public BatchHost {
public:
    WindowsBatchHost() {
        char path[MAX_PATH] = {};
        const DWORD n = GetTempPathA(sizeof path, path);
        if (n == 0 || n >= sizeof path) return;
        char name[MAX_PATH] = {};
        if (!GetTempFileNameA(path, "orn", 0, name)) return;
        DeleteFileA(name);
        if (!CreateDirectoryA(name, nullptr)) return;
        directory_ = std::string(name) + "\\";
    }
    ~WindowsBatchHost() override {
        if (directory_.empty()) return;
        std::error_code ec;
        std::filesystem::remove_all(directory_, ec);
    }

    bool ready() const override { return !directory_.empty(); }
    void setQuestionAnswer(int answer) override { questionAnswer_ = answer; }
    std::string scratchDirectory() const override { return directory_; }
    std::vector<Box> boxes() const override { return boxes_; }

    bool runOrnel(std::function<void()> fn) override {
        current = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, kLookMs, look);
        fn();
        KillTimer(nullptr, timer);
        current = nullptr;
        return true;
    }

private:
    static void CALLBACK look(HWND, UINT, UINT_PTR, DWORD) {
        if (current != nullptr) EnumWindows(answerWindow, 0);
    }

    static BOOL CALLBACK answerWindow(HWND window, LPARAM) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId()) return TRUE;
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, kDialogClass) != 0 || !IsWindowVisible(window)) return TRUE;
        current->answer(window);
        return TRUE;
    }

    // A message box once its text and buttons are there: recorded and
    // answered; a dialog: confirmed with OK.
    void answer(HWND window) {
        if (answered_.count(window) != 0) return;
        const HWND text = GetDlgItem(window, kBoxTextId);
        const bool question = GetDlgItem(window, IDYES) != nullptr;
        if (GetDlgItem(window, IDOK) == nullptr && !question) return;  // not complete yet
        answered_.insert(window);
        int id = IDOK;
        if (text != nullptr) {
            char buffer[4096] = {};
            GetWindowTextA(text, buffer, sizeof buffer);
            boxes_.push_back({static_cast<unsigned>(GetWindowContextHelpId(window)), buffer});
            if (question) id = questionAnswer_;
        }
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }

    static inline thread_local WindowsBatchHost* current = nullptr;
    std::string directory_;
    int questionAnswer_ = IDYES;
    std::vector<Box> boxes_;
    std::set<HWND> answered_;
};

}  // namespace

std::unique_ptr<BatchHost> BatchHost::make(std::int64_t) { return std::make_unique<WindowsBatchHost>(); }


}  // namespace cli

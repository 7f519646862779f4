// The batch commands' host on Windows: the program runs on Windows itself,
// its user is a ScriptUser on Ornel's thread, and the command's clock is
// the process's own (moved to --now when given).
#include <atomic>
#include <memory>
#include <thread>

// The project's headers first: they name constants as Windows' macros do.
#include "frontends/cli/batch_host.h"
#include "platform/files.h"
#include "platform/win32/process_clock.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

#include <windows.h>
#include <shellapi.h>

#include "frontends/win32/script_user.h"

namespace cli {

namespace {

// How long one step of the user may take until the program waits again.
constexpr std::uint32_t kStepLimitMs = 120'000;
// How long the program may take to end once its window is asked to close.
constexpr std::uint32_t kEndLimitMs = 60'000;
// Where the user right-clicks for the context menu: a spot of the window's
// own client area beside the buttons, above the BetList.
constexpr int kContextClickX = 4;
constexpr int kContextClickY = 4;
constexpr WPARAM kCtrlV = 0x16;
constexpr WPARAM kEnter = 0x0D;
constexpr std::size_t kReadBuffer = 65536;

// 100-nanosecond intervals from 1601 to 1970.
constexpr std::int64_t kUnixEpochInFileTime = 116444736000000000LL;

HWND nativeHandle(plat::Hwnd window) { return reinterpret_cast<HWND>(window); }

// Removes a directory and everything in it, as Explorer deletes it.
void removeTree(std::string directory) {
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    directory.push_back('\0');  // the list of paths ends in a second NUL
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = directory.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&operation);
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

// Typing into a dialog's fields: posted, so it arrives before the press on
// OK that follows.
class WindowsDialogFields : public DialogFields {
public:
    explicit WindowsDialogFields(HWND dialog) : dialog_(dialog) {}
    std::string text(int id) override { return windowText(GetDlgItem(dialog_, id)); }
    void type(int id, const std::string& text) override {
        const HWND field = GetDlgItem(dialog_, id);
        PostMessageA(field, EM_SETSEL, 0, -1);
        for (const char c : text) PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 0);
    }

private:
    HWND dialog_;
};

// The files as Windows keeps them: the program reads them in this process.
class WindowsFiles : public ProgramFiles {
public:
    std::string text(const std::string& path) override {
        plat::TextFile file;
        std::string text, line;
        if (!file.open(path, plat::TextFile::Mode::Read)) return {};
        while (file.getLine(line, kReadBuffer)) text += line;
        return text;
    }

    FileMark mark(const std::string& path) override {
        const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return {};
        BY_HANDLE_FILE_INFORMATION info;
        const bool got = GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        if (!got) return {};
        const std::int64_t ticks =
            ((static_cast<std::int64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) |
             info.ftLastWriteTime.dwLowDateTime) - kUnixEpochInFileTime;
        return {true, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
                ticks / 10'000'000, static_cast<long>(ticks % 10'000'000) * 100};
    }
};

// The application object on a thread of its own (Ornel's), the command's
// thread its user.
class WindowsSession : public ProgramSession {
public:
    WindowsSession(std::shared_ptr<winhost::ScriptUser> user, app::ProgramOptions options)
        : user_(std::move(user)), program_(std::make_shared<app::Application>(std::move(options))) {
        user_->setMainWindow([program = program_] { return nativeHandle(program->mainWindow()); });
    }

    ~WindowsSession() override {
        if (!thread_.joinable()) return;
        // A program that did not end in time goes with the process.
        if (ended_->load()) thread_.join();
        else thread_.detach();
    }

    app::Application& program() override { return *program_; }

    bool start() override {
        thread_ = std::thread([program = program_, ended = ended_, user = user_] {
            user->attach();
            program->run();
            user->detach();
            *ended = true;
            user->programEnded();
        });
        return settle();
    }

    bool settle() override { return user_->run({}, kStepLimitMs); }

    bool close() override {
        const plat::Hwnd window = program_->mainWindow();
        if (window == 0 || ended_->load()) return ended_->load();
        user_->run([window] { PostMessageA(nativeHandle(window), WM_CLOSE, 0, 0); }, kEndLimitMs);
        const DWORD until = GetTickCount() + kEndLimitMs;
        while (!ended_->load() && static_cast<LONG>(until - GetTickCount()) > 0) Sleep(1);
        return ended_->load();
    }

    std::string controlText(int id) override {
        std::string text;
        user_->run([&] { text = windowText(GetDlgItem(nativeHandle(program_->mainWindow()), id)); }, kStepLimitMs);
        return text;
    }

    bool click(int buttonId) override {
        return user_->run([this, buttonId] {
            const HWND button = GetDlgItem(nativeHandle(program_->mainWindow()), buttonId);
            RECT client;
            if (button == nullptr || !GetClientRect(button, &client)) return;
            const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
            PostMessageA(button, WM_MOUSEMOVE, 0, centre);
            PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
            PostMessageA(button, WM_LBUTTONUP, 0, centre);
        }, kStepLimitMs);
    }

    bool chooseFromSystemMenu(int id) override {
        bool chosen = false;
        const bool settled = user_->run([&] {
            const HWND window = nativeHandle(program_->mainWindow());
            const UINT state = GetMenuState(GetSystemMenu(window, FALSE), static_cast<UINT>(id), MF_BYCOMMAND);
            if (state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR))) return;
            chosen = PostMessageA(window, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
        }, kStepLimitMs);
        return settled && chosen;
    }

    bool chooseFromContextMenu(int id) override {
        user_->setMenuChoice(id);
        return user_->run([this] {
            PostMessageA(nativeHandle(program_->mainWindow()), WM_RBUTTONUP, 0,
                         MAKELPARAM(kContextClickX, kContextClickY));
        }, kStepLimitMs);
    }

    bool pasteIntoList(const std::string& text) override {
        return user_->run([this, text] {
            plat::setClipboardText(text);
            PostMessageA(GetDlgItem(nativeHandle(program_->mainWindow()), ui::kIdBetList), WM_CHAR, kCtrlV, 0);
        }, kStepLimitMs);
    }

    bool enterIntoList(const std::string& text) override {
        return user_->run([this, text] {
            const HWND list = GetDlgItem(nativeHandle(program_->mainWindow()), ui::kIdBetList);
            SendMessageA(list, EM_SETSEL, 0, -1);
            SendMessageA(list, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SendMessageA(list, EM_SETSEL, 0, 0);
            PostMessageA(list, WM_CHAR, kEnter, 0);
        }, kStepLimitMs);
    }

    bool asUser(const std::function<void()>& fn) override { return user_->run(fn, kStepLimitMs); }

private:
    std::shared_ptr<winhost::ScriptUser> user_;
    std::shared_ptr<app::Application> program_;
    std::shared_ptr<std::atomic<bool>> ended_ = std::make_shared<std::atomic<bool>>(false);
    std::thread thread_;
};

class WindowsBatchHost : public BatchHost {
public:
    explicit WindowsBatchHost(std::int64_t startTime) {
        win32::startClockAt(startTime);
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
        if (!directory_.empty()) removeTree(directory_);
    }

    bool ready() const override { return !directory_.empty(); }
    const std::string& directory() const override { return directory_; }
    void setQuestionAnswer(int answer) override { user_->setQuestionAnswer(answer); }
    void setOpenFileAnswer(const std::string& path) override { user_->setOpenFileAnswer(path); }
    bool openFileDialogShown() const override { return user_->openFileDialogShown(); }

    void answerDialog(const std::string& captionPrefix, std::function<void(DialogFields&)> fill) override {
        user_->onDialog(captionPrefix, [fill = std::move(fill)](HWND dialog) {
            WindowsDialogFields fields(dialog);
            fill(fields);
        });
    }
    bool dialogRefused() const override { return user_->dialogRefused(); }

    std::vector<Box> boxes() const override {
        std::vector<Box> boxes;
        for (const winhost::ScriptUser::Box& box : user_->boxes()) boxes.push_back({box.helpId, box.text});
        return boxes;
    }

    bool runOrnel(std::function<void()> fn) override {
        user_->attach();
        fn();
        user_->detach();
        return true;
    }

    std::unique_ptr<ProgramSession> program(app::ProgramOptions options) override {
        return std::make_unique<WindowsSession>(user_, std::move(options));
    }

    ProgramFiles& files() override { return files_; }

private:
    std::string directory_;
    // Shared with a program thread that may outlive the host.
    std::shared_ptr<winhost::ScriptUser> user_ = std::make_shared<winhost::ScriptUser>();
    WindowsFiles files_;
};

}  // namespace

std::unique_ptr<BatchHost> BatchHost::make(std::int64_t startTime) {
    return std::make_unique<WindowsBatchHost>(startTime);
}

}  // namespace cli

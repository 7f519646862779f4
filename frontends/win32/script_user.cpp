#include "frontends/win32/script_user.h"

#include "platform/win32/template_dialogs.h"

// (<chrono> itself holds text with no Shift-JIS form; <condition_variable>
// brings what the waits need.)

namespace winhost {

namespace {

// How often the user looks.
constexpr UINT kLookMs = 10;
constexpr const char* kDialogClass = "#32770";
constexpr const char* kMenuClass = "#32768";
// The static text of a message box, as Windows numbers it.
constexpr int kBoxTextId = 0xFFFF;
// The file-name box of the open-file dialog (an editable combo box).
constexpr int kFileNameId = 0x047C;
// Asks a pop-up menu's window for its menu.
constexpr UINT kGetMenuOfWindow = 0x01E1;  // MN_GETHMENU

thread_local ScriptUser* looking = nullptr;

bool queueEmpty() {
    return HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE | QS_INPUT | QS_HOTKEY)) == 0;
}

bool isClass(HWND window, const char* name) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, name) == 0;
}

void pressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void postKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The entry is chosen with the keyboard: one Down per entry up to it
// (separators are skipped), then Enter; 0 or an entry the menu lacks
// dismisses it with Escape.
void chooseMenuEntry(HWND menuWindow, int id) {
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, kGetMenuOfWindow, 0, 0));
    int downs = 0;
    const int count = menu != nullptr && id != 0 ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) continue;
        ++downs;
        if (GetMenuItemID(menu, i) != static_cast<UINT>(id)) continue;
        for (int d = 0; d < downs; ++d) postKey(menuWindow, VK_DOWN);
        postKey(menuWindow, VK_RETURN);
        return;
    }
    postKey(menuWindow, VK_ESCAPE);
}

}  // namespace

void ScriptUser::attach() {
    looking = this;
    timer_ = SetTimer(nullptr, 0, kLookMs, onTimer);
}

void ScriptUser::detach() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    timer_ = 0;
    looking = nullptr;
}

void ScriptUser::setQuestionAnswer(int answer) {
    std::lock_guard lock(lock_);
    questionAnswer_ = answer;
}

void ScriptUser::setOpenFileAnswer(const std::string& path) {
    std::lock_guard lock(lock_);
    openFileAnswer_ = path;
}

void ScriptUser::setMenuChoice(int id) {
    std::lock_guard lock(lock_);
    menuChoice_ = id;
}

void ScriptUser::onDialog(const std::string& captionPrefix, std::function<void(HWND)> fill) {
    std::lock_guard lock(lock_);
    fillIns_.emplace_back(captionPrefix, std::move(fill));
}

bool ScriptUser::openFileDialogShown() const {
    std::lock_guard lock(lock_);
    return openFileShown_;
}

bool ScriptUser::dialogRefused() const {
    std::lock_guard lock(lock_);
    return refused_;
}

std::vector<ScriptUser::Box> ScriptUser::boxes() const {
    std::lock_guard lock(lock_);
    return boxes_;
}

void ScriptUser::setMainWindow(std::function<HWND()> mainWindow) { mainWindow_ = std::move(mainWindow); }

bool ScriptUser::run(const std::function<void()>& fn, std::uint32_t limitMs) {
    std::unique_lock lock(lock_);
    pending_ = fn;
    const std::uint64_t step = ++requested_;
    changed_.wait_for(lock, std::chrono::milliseconds(limitMs), [&] { return settled_ >= step || ended_; });
    return settled_ >= step;
}

void ScriptUser::programEnded() {
    std::lock_guard lock(lock_);
    ended_ = true;
    changed_.notify_all();
}

void CALLBACK ScriptUser::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (looking != nullptr) looking->look();
}

void ScriptUser::look() {
    if (answerOpenWindows() || inStep_ || !waits()) return;
    std::function<void()> step;
    std::uint64_t number = 0;
    {
        std::lock_guard lock(lock_);
        if (ran_ == requested_) {
            // The program waits after the last step it was given.
            if (settled_ != ran_) {
                settled_ = ran_;
                changed_.notify_all();
            }
            return;
        }
        step = std::move(pending_);
        number = requested_;
    }
    inStep_ = true;
    if (step) step();
    inStep_ = false;
    std::lock_guard lock(lock_);
    ran_ = number;
}

bool ScriptUser::waits() const {
    const HWND main = mainWindow_ ? mainWindow_() : nullptr;
    return main != nullptr && IsWindowVisible(main) && queueEmpty();
}

bool ScriptUser::answerOpenWindows() {
    const HWND main = mainWindow_ ? mainWindow_() : nullptr;
    std::vector<HWND> open;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window) && (isClass(window, kDialogClass) || isClass(window, kMenuClass)))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&open));
    std::erase(open, main);
    {
        std::lock_guard lock(lock_);
        for (std::set<HWND>* windows : {&answered_, &confirmed_})
            std::erase_if(*windows, [](HWND window) { return !IsWindow(window); });
    }
    // Complete: nothing of its set-up is left in the queue.
    if (open.empty() || !queueEmpty()) return !open.empty();
    for (const HWND window : open) answer(window);
    cancelRefusingDialog(open);
    return true;
}

// Every window open was answered and the program waits: a dialog OK was
// pressed on is still there, so it refused.
void ScriptUser::cancelRefusingDialog(const std::vector<HWND>& open) {
    if (!queueEmpty()) return;  // answers given just now are on their way
    std::lock_guard lock(lock_);
    for (const HWND window : open)
        if (!answered_.contains(window)) return;
    for (const HWND window : open) {
        if (confirmed_.erase(window) == 0) continue;
        refused_ = true;
        pressButton(window, IDCANCEL);
        return;
    }
}

void ScriptUser::answer(HWND window) {
    std::unique_lock lock(lock_);
    if (!answered_.insert(window).second) return;
    if (isClass(window, kMenuClass)) {
        const int choice = menuChoice_;
        menuChoice_ = 0;
        lock.unlock();
        chooseMenuEntry(window, choice);
        return;
    }
    if (const HWND fileName = GetDlgItem(window, kFileNameId)) {
        openFileShown_ = true;
        const std::string path = openFileAnswer_;
        lock.unlock();
        if (path.empty()) {
            pressButton(window, IDCANCEL);
        } else {
            SendMessageA(fileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
            pressButton(window, IDOK);
        }
        return;
    }
    const HWND text = GetDlgItem(window, kBoxTextId);
    if (win32::isTemplateDialog(window) || text == nullptr) {
        lock.unlock();
        confirmDialog(window);
        return;
    }
    char buffer[4096] = {};
    GetWindowTextA(text, buffer, sizeof buffer);
    boxes_.push_back({static_cast<unsigned>(GetWindowContextHelpId(window)), buffer});
    const int id = GetDlgItem(window, IDYES) != nullptr ? questionAnswer_ : IDOK;
    lock.unlock();
    pressButton(window, GetDlgItem(window, id) != nullptr ? id : IDCANCEL);
}

// A dialog: filled in when the command asked for it, then OK.
void ScriptUser::confirmDialog(HWND window) {
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    std::function<void(HWND)> fill;
    {
        std::lock_guard lock(lock_);
        for (const auto& [prefix, action] : fillIns_)
            if (std::string(caption).starts_with(prefix)) fill = action;
        confirmed_.insert(window);
    }
    if (fill) fill(window);
    pressButton(window, IDOK);
}

}  // namespace winhost

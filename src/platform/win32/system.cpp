// Sound, shell execute, the power-off request and the help viewer on
// Windows.
#include "platform/win32/windows_api.h"

namespace {

// The power-off request needs the shutdown privilege in the process token.
bool enableShutdownPrivilege() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool ok = LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
              AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
              GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return ok;
}

}  // namespace

namespace plat {

bool playSound(const std::string& path, Uint flags) {
    return PlaySoundA(path.c_str(), nullptr, SND_FILENAME | flags) != 0;
}

int shellExecute(Hwnd owner, const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory, int showCommand) {
    const HINSTANCE result =
        ShellExecuteA(win32::hwnd(owner), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                      parameters.empty() ? nullptr : parameters.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), showCommand);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool exitWindows(Uint flags) {
    enableShutdownPrivilege();  // without it the request below fails and says so
    return ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED) != 0;
}

bool winHelp(Hwnd owner, const std::string& helpFile, Uint command) {
    return WinHelpA(win32::hwnd(owner), helpFile.c_str(), command, 0) != 0;
}

}  // namespace plat

// LHA extraction through the user's own unlha32.dll, loaded at run time and
// called by ordinal (1 command, 2 version, 10 busy).  Without the library
// the version is 0 and every command fails, so an archive import reports
// its extraction error.
#include "platform/win32/windows_api.h"

namespace {

constexpr const char* kLibrary = "unlha32.dll";
constexpr WORD kCommandOrdinal = 1;
constexpr WORD kVersionOrdinal = 2;
constexpr WORD kRunningOrdinal = 10;

// Result of a command when the library is not installed.
constexpr int kNoLibrary = -1;
// Size of the output buffer handed to a command.
constexpr DWORD kOutputSize = 1024;

using CommandFn = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
using VersionFn = WORD(WINAPI*)();
using RunningFn = BOOL(WINAPI*)();

HMODULE library() {
    static const HMODULE module = LoadLibraryA(kLibrary);
    return module;
}

template <class Fn>
Fn entry(WORD ordinal) {
    const HMODULE module = library();
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

namespace plat {

unsigned lhaGetVersion() {
    const auto fn = entry<VersionFn>(kVersionOrdinal);
    return fn ? fn() : 0;
}

bool lhaGetRunning() {
    const auto fn = entry<RunningFn>(kRunningOrdinal);
    return fn && fn() != 0;
}

int lhaCommand(Hwnd owner, const std::string& commandLine, std::string& output) {
    output.clear();
    const auto fn = entry<CommandFn>(kCommandOrdinal);
    if (!fn) return kNoLibrary;
    char buffer[kOutputSize] = {};
    const int result = fn(win32::hwnd(owner), commandLine.c_str(), buffer, sizeof buffer);
    output.assign(buffer, strnlen(buffer, sizeof buffer));
    return result;
}

}  // namespace plat

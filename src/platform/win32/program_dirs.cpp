// Where a program finds itself and the system on Windows.
#include "platform/win32/windows_api.h"

#include "platform/sjis.h"

namespace {

std::string withSeparator(std::string directory) {
    if (directory.empty() || (directory.back() != '\\' && directory.back() != '/')) directory += '\\';
    return directory;
}

}  // namespace

namespace plat {

std::string programFileName() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

std::string programDirectory() {
    const std::string exe = programFileName();
    const std::size_t separator = sjis::lastSeparator(exe);
    return separator == std::string::npos ? std::string() : exe.substr(0, separator + 1);
}

std::string windowsDirectory() {
    char path[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryA(path, sizeof path);
    return withSeparator(std::string(path, n < sizeof path ? n : 0));
}

std::string driveRoot() {
    char path[MAX_PATH] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof path, path);
    const std::string current(path, n < sizeof path ? n : 0);
    const sjis::PathParts parts = sjis::splitPath(current);
    return parts.drive.empty() ? std::string("\\") : parts.drive + "\\";
}

}  // namespace plat

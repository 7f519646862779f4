// Files and directories on KERNEL32: Windows resolves names without regard
// to case itself.
#include "platform/win32/windows_api.h"

#include "platform/portable_parts.h"
#include "platform/sjis.h"

namespace plat {

namespace {

// 100-nanosecond intervals from 1601 to 1970.
constexpr std::int64_t kUnixEpochInFileTime = 116444736000000000LL;

std::int64_t unixSeconds(const FILETIME& ft) {
    const std::int64_t ticks = (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - kUnixEpochInFileTime) / 10000000;
}

FILETIME fileTime(std::int64_t seconds) {
    const std::uint64_t ticks = static_cast<std::uint64_t>(seconds * 10000000 + kUnixEpochInFileTime);
    return {static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

FileInfo infoOf(const std::string& name, DWORD attributes, const FILETIME& lastWrite, DWORD sizeHigh, DWORD sizeLow) {
    FileInfo info;
    info.name = name;
    info.lastWrite = unixSeconds(lastWrite);
    info.isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.size = info.isDirectory ? 0 : (static_cast<std::uint64_t>(sizeHigh) << 32) | sizeLow;
    return info;
}

}  // namespace

char pathSeparator() { return '\\'; }

std::vector<FileInfo> findFiles(const std::string& pattern) {
    std::vector<FileInfo> found;
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        found.push_back(infoOf(name, data.dwFileAttributes, data.ftLastWriteTime, data.nFileSizeHigh, data.nFileSizeLow));
    } while (FindNextFileA(search, &data));
    FindClose(search);
    sortListing(found);
    return found;
}

bool fileStatus(const std::string& path, FileInfo& info) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    // The name as the directory holds it (its own case).
    std::string name = path.substr(sjis::lastSeparator(path) == std::string::npos ? 0 : sjis::lastSeparator(path) + 1);
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        name = entry.cFileName;
        FindClose(search);
    }
    info = infoOf(name, data.dwFileAttributes, data.ftLastWriteTime, data.nFileSizeHigh, data.nFileSizeLow);
    return true;
}

bool removeFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool renameFile(const std::string& from, const std::string& to) { return MoveFileA(from.c_str(), to.c_str()) != 0; }

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool setFileTime(const std::string& path, std::int64_t lastWrite) {
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const FILETIME ft = fileTime(lastWrite);
    const bool ok = SetFileTime(file, nullptr, nullptr, &ft) != 0;
    CloseHandle(file);
    return ok;
}

bool createDirectory(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

}  // namespace plat

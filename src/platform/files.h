// Files and directories.
//
// Paths are Shift-JIS bytes.  On this platform they use the host's separator
// ('/'); every function also accepts '\' as a separator.  When the exact name
// of a path component does not exist, a name that differs only in the case of
// ASCII letters is used instead (as Windows resolves names), so opening
// "X.Bet" finds "X.BET".  A path longer than maxPath - 1 bytes is an error.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace plat {

constexpr std::size_t maxPath = 260;

struct FileInfo {
    std::string name;           // file name without directory
    std::int64_t lastWrite = 0; // seconds since 1970 (UTC)
    std::uint64_t size = 0;
    bool isDirectory = false;
};

char pathSeparator();  // '/' here, '\\' on Windows

// Wildcard search ('*', '?', ASCII case-insensitive) in the directory of the
// pattern.  Entries come in a stable order (names compared case-insensitively).
std::vector<FileInfo> findFiles(const std::string& pattern);
bool fileStatus(const std::string& path, FileInfo& info);
bool removeFile(const std::string& path);
bool renameFile(const std::string& from, const std::string& to);  // fails if `to` exists
// Renames `from` to `to`, replacing a file `to` in the same step: whoever
// looks at `to` finds the old file or the new one, whole, never none.  (On
// Windows: MoveFileEx with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.)
bool replaceFile(const std::string& from, const std::string& to);
bool setFileTime(const std::string& path, std::int64_t lastWrite);
bool createDirectory(const std::string& path);

// The directory of the running program's executable, the Windows directory
// (it holds the profile file) and the root of the current drive, each ending
// in a separator.
std::string programDirectory();
std::string programFileName();  // full path of the running program's executable
std::string windowsDirectory();
std::string driveRoot();

// A file opened in text mode as on Windows: "\n" is written as CR LF and
// CR LF reads back as "\n".  Files written by a program on the simulated
// desktop carry its virtual time as their last-write time.
class TextFile {
public:
    enum class Mode { Read, Write, Append };
    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool open(const std::string& path, Mode mode);
    bool isOpen() const { return file_ != nullptr; }
    // False when what was written could not all be stored (a full disk
    // shows only when the last buffer is flushed).
    bool close();

    // As fgets with a buffer of bufferSize bytes: reads up to and including
    // "\n", at most bufferSize - 1 bytes; false at end of file.
    bool getLine(std::string& line, std::size_t bufferSize);
    bool write(const std::string& text);
    // printf-style output (Shift-JIS format strings).
    bool print(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    std::FILE* file_ = nullptr;
    std::string path_;
    bool written_ = false;
    bool pendingCr_ = false;
};

}  // namespace plat

// Windows text mode on top of a binary host file: "\n" is written as CR LF,
// CR LF reads back as "\n", and Ctrl-Z ends what can be read, as the C
// runtime on Windows does (old DOS editors end their files with it).
#include <sys/stat.h>

#include <cstdarg>
#include <vector>

#include "platform/files.h"
#include "platform/sim/path_resolve.h"
#include "platform/sim/virtual_stamp.h"

namespace plat {

namespace {

constexpr int kEndOfText = 0x1A;  // Ctrl-Z

}  // namespace

TextFile::~TextFile() { close(); }

bool TextFile::open(const std::string& path, Mode mode) {
    close();
    std::string host;
    if (!sim::resolvePath(path, host)) return false;
    const char* how = mode == Mode::Read ? "rb" : mode == Mode::Write ? "wb" : "ab";
    file_ = std::fopen(host.c_str(), how);
    if (!file_) return false;
    struct stat st;
    if (fstat(fileno(file_), &st) != 0 || S_ISDIR(st.st_mode)) {  // a directory is no file
        std::fclose(file_);
        file_ = nullptr;
        return false;
    }
    path_ = host;
    // Opening for writing empties the file, which is a write in itself.
    written_ = mode == Mode::Write;
    pendingCr_ = false;
    return true;
}

bool TextFile::close() {
    if (!file_) return true;
    const bool stored = std::fclose(file_) == 0;
    file_ = nullptr;
    if (written_) sim::stampWithVirtualTime(path_);
    written_ = false;
    return stored;
}

bool TextFile::getLine(std::string& line, std::size_t bufferSize) {
    line.clear();
    if (!file_ || bufferSize < 2) return false;
    while (line.size() < bufferSize - 1) {
        int c = std::getc(file_);
        if (c == EOF) break;
        if (c == kEndOfText) {
            std::ungetc(c, file_);  // stays the end on every later call
            break;
        }
        if (c == '\r') {
            const int next = std::getc(file_);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, file_);  // a lone CR stays as it is
            }
        }
        line += static_cast<char>(c);
        if (c == '\n') break;
    }
    return !line.empty();
}

bool TextFile::write(const std::string& text) {
    if (!file_) return false;
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), file_) == out.size();
    if (ok && !out.empty()) written_ = true;
    return ok;
}

bool TextFile::print(const char* format, ...) {
    std::vector<char> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (n < 0) return false;
        if (static_cast<std::size_t>(n) < buffer.size()) return write(std::string(buffer.data(), n));
        buffer.resize(static_cast<std::size_t>(n) + 1);
    }
}

}  // namespace plat

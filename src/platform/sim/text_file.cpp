// Windows text mode on top of a binary host file: "\n" is written as CR LF,
// CR LF reads back as "\n", and Ctrl-Z ends what can be read, as the C
// runtime on Windows does (old DOS editors end their files with it).
#include <sys/stat.h>

#include <cstdio>

#include "platform/files.h"
#include "platform/sim/path_resolve.h"
#include "platform/sim/virtual_stamp.h"

namespace plat {

namespace {

constexpr int kEndOfText = 0x1A;  // Ctrl-Z

}  // namespace

// A binary host file, and whether the program wrote to it (it is then
// stamped with the virtual time when closed).
struct TextFile::Impl {
    std::FILE* file = nullptr;
    std::string path;
    bool written = false;
};

TextFile::TextFile() : impl_(std::make_unique<Impl>()) {}

TextFile::~TextFile() { close(); }

bool TextFile::isOpen() const { return impl_->file != nullptr; }

bool TextFile::open(const std::string& path, Mode mode) {
    close();
    std::string host;
    if (!sim::resolvePath(path, host)) return false;
    const char* how = mode == Mode::Read ? "rb" : mode == Mode::Write ? "wb" : "ab";
    std::FILE* file = std::fopen(host.c_str(), how);
    if (!file) return false;
    struct stat st;
    if (fstat(fileno(file), &st) != 0 || S_ISDIR(st.st_mode)) {  // a directory is no file
        std::fclose(file);
        return false;
    }
    impl_->file = file;
    impl_->path = host;
    // Opening for writing empties the file, which is a write in itself.
    impl_->written = mode == Mode::Write;
    return true;
}

bool TextFile::close() {
    if (!impl_->file) return true;
    const bool stored = std::fclose(impl_->file) == 0;
    impl_->file = nullptr;
    if (impl_->written) sim::stampWithVirtualTime(impl_->path);
    impl_->written = false;
    return stored;
}

bool TextFile::getLine(std::string& line, std::size_t bufferSize) {
    line.clear();
    std::FILE* const file = impl_->file;
    if (!file || bufferSize < 2) return false;
    while (line.size() < bufferSize - 1) {
        int c = std::getc(file);
        if (c == EOF) break;
        if (c == kEndOfText) {
            std::ungetc(c, file);  // stays the end on every later call
            break;
        }
        if (c == '\r') {
            const int next = std::getc(file);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, file);  // a lone CR stays as it is
            }
        }
        line += static_cast<char>(c);
        if (c == '\n') break;
    }
    return !line.empty();
}

bool TextFile::write(const std::string& text) {
    if (!impl_->file) return false;
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), impl_->file) == out.size();
    if (ok && !out.empty()) impl_->written = true;
    return ok;
}

}  // namespace plat

// Text files in the C runtime's own text mode on Windows: "\n" is written
// as CR LF, CR LF reads back as "\n", Ctrl-Z ends what can be read.
#include <cstdio>

#include "platform/files.h"

namespace plat {

struct TextFile::Impl {
    std::FILE* file = nullptr;
};

TextFile::TextFile() : impl_(std::make_unique<Impl>()) {}

TextFile::~TextFile() { close(); }

bool TextFile::isOpen() const { return impl_->file != nullptr; }

bool TextFile::open(const std::string& path, Mode mode) {
    close();
    const char* how = mode == Mode::Read ? "rt" : mode == Mode::Write ? "wt" : "at";
    impl_->file = std::fopen(path.c_str(), how);
    return impl_->file != nullptr;
}

bool TextFile::close() {
    if (!impl_->file) return true;
    const bool stored = std::fclose(impl_->file) == 0;
    impl_->file = nullptr;
    return stored;
}

bool TextFile::getLine(std::string& line, std::size_t bufferSize) {
    line.clear();
    if (!impl_->file || bufferSize < 2) return false;
    // fgets as the program reads its files, byte for byte (a line may hold
    // NUL bytes only in a broken file; they end the line there).
    std::string buffer(bufferSize, '\0');
    if (!std::fgets(buffer.data(), static_cast<int>(bufferSize), impl_->file)) return false;
    line.assign(buffer.c_str());
    return !line.empty();
}

bool TextFile::write(const std::string& text) {
    if (!impl_->file) return false;
    return std::fwrite(text.data(), 1, text.size(), impl_->file) == text.size();
}

}  // namespace plat

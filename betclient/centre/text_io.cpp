#include "betclient/centre/text_io.h"

#include "platform/files.h"

namespace centre {

namespace {
constexpr std::size_t kReadChunk = 4096;
constexpr const char* kTemporarySuffix = ".new";
}  // namespace

bool writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return writeText(path, text);
}

bool writeText(const std::string& path, const std::string& text) {
    plat::TextFile file;
    if (!file.open(path, plat::TextFile::Mode::Write)) return false;
    const bool written = file.write(text);
    return file.close() && written;
}

bool replaceText(const std::string& path, const std::string& text) {
    const std::string temporary = path + kTemporarySuffix;
    if (writeText(temporary, text) && plat::replaceFile(temporary, path)) return true;
    plat::removeFile(temporary);
    return false;
}

bool fileExists(const std::string& path) {
    plat::FileInfo info;
    return plat::fileStatus(path, info) && !info.isDirectory;
}

bool readText(const std::string& path, std::string& text) {
    plat::TextFile file;
    if (!file.open(path, plat::TextFile::Mode::Read)) return false;
    text.clear();
    std::string part;
    while (file.getLine(part, kReadChunk)) text += part;
    file.close();
    return true;
}

}  // namespace centre

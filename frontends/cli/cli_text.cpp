#include "frontends/cli/cli_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

#include "frontends/cli/host_paths.h"
#include "platform/sjis.h"

namespace cli {

namespace {

// Marks a text as UTF-8; no Shift-JIS text starts with these bytes.
const std::string kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool readInput(const std::string& path, std::string& bytes, std::string& error) {
    std::ostringstream content;
    if (path.empty() || path == "-") {
        content << std::cin.rdbuf();
        if (std::cin.bad()) {
            error = "cannot read standard input";
            return false;
        }
        bytes = content.str();
        return true;
    }
    if (isDirectory(path)) {
        error = "cannot read " + path + ": it is a directory";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path + (errno ? std::string(": ") + std::strerror(errno) : "");
        return false;
    }
    content << in.rdbuf();
    bytes = content.str();
    return true;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

bool startsWithByteOrderMark(const std::string& bytes) { return bytes.rfind(kUtf8ByteOrderMark, 0) == 0; }

std::string betTextFromInput(const std::string& bytes, bool utf8) {
    const bool marked = startsWithByteOrderMark(bytes);
    const std::string text = marked ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
    return withCrLf(marked || utf8 ? sjis::fromUtf8(text) : text);
}

std::string outputText(const std::string& cp932, bool utf8) {
    return utf8 ? sjis::toUtf8(cp932) : cp932;
}

void writeOut(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::string escapeLineBreaks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

}  // namespace cli

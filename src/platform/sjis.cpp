// Shift-JIS character handling that is the same on every backend; the
// conversions to and from UTF-8 are the backend's own.
#include "platform/sjis.h"

namespace sjis {

namespace {

// Length of the character starting at text[i]: 2 for a lead byte followed by
// another byte, else 1 (a lead byte cut off at the end counts as one byte).
std::size_t charLength(std::string_view text, std::size_t i) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::size_t find(std::string_view text, std::string_view needle, std::size_t from,
                 bool respectCharacters) {
    if (!respectCharacters) return text.find(needle, from);
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
        if (i >= from && text.substr(i, needle.size()) == needle) return i;
    }
    if (needle.empty() && from <= text.size()) return text.size();
    return std::string_view::npos;
}

std::size_t lastSeparator(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); i += charLength(path, i)) {
        if (charLength(path, i) == 1 && (path[i] == '\\' || path[i] == '/')) last = i;
    }
    return last;
}

PathParts splitPath(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    std::size_t sep = lastSeparator(path);
    std::string_view file = path;
    if (sep != std::string_view::npos) {
        parts.directory = std::string(path.substr(0, sep + 1));
        file = path.substr(sep + 1);
    }
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < file.size(); i += charLength(file, i)) {
        if (file[i] == '.') dot = i;
    }
    parts.name = std::string(file.substr(0, dot));
    if (dot != std::string_view::npos) parts.extension = std::string(file.substr(dot));
    return parts;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); i += charLength(out, i)) {
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    }
    return out;
}

}  // namespace sjis

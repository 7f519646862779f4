#include "platform/sim/path_resolve.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <vector>

#include "platform/files.h"
#include "platform/sim/backend.h"
#include "platform/sim/text_match.h"
#include "platform/sjis.h"

namespace sim {

namespace {

constexpr char kSystemDrive = 'C';

bool exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// The entry of `directory` whose name equals `name` but for ASCII case; the
// smallest in byte order when the host holds several.  Empty when none.
std::string findIgnoringCase(const std::string& directory, const std::string& name) {
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return {};
    std::string found;
    while (const dirent* entry = readdir(dir)) {
        std::string candidate = entry->d_name;
        if (equalsIgnoreCase(candidate, name) && (found.empty() || candidate < found)) {
            found = candidate;
        }
    }
    closedir(dir);
    return found;
}

// The characters of a Shift-JIS text, each one or two bytes.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = sjis::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

bool sameCharacter(std::string_view a, std::string_view b) {
    return a.size() == 1 && b.size() == 1 ? sjis::upper(a) == sjis::upper(b) : a == b;
}

// A relative path names a file in the calling program's current directory,
// which is its executable's directory (as a program started from the shell
// finds it); "" (the host's current directory) for the harness and for
// programs started without an executable.
std::string programCurrentDirectory() {
    const std::string exe = currentProgramExePath();
    const std::size_t slash = exe.find_last_of('/');
    if (exe.empty() || exe.front() != '/' || slash == std::string::npos) return {};
    return exe.substr(0, slash + 1);
}

}  // namespace

bool hostPath(const std::string& path, std::string& host) {
    if (path.empty() || path.size() >= plat::maxPath) return false;
    std::string root;
    std::string out = path;
    if (out.size() >= 2 && out[1] == ':' && std::isalpha(static_cast<unsigned char>(out[0]))) {
        if (std::toupper(static_cast<unsigned char>(out[0])) != kSystemDrive) return false;
        root = plat::driveRoot();
        const std::size_t rest = out.find_first_not_of("\\/", 2);
        out = rest == std::string::npos ? std::string() : out.substr(rest);
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (sjis::isLeadByte(static_cast<unsigned char>(out[i]))) {
            ++i;  // the trail byte may be 0x5C and is not a separator
        } else if (out[i] == '\\') {
            out[i] = '/';
        }
    }
    if (root.empty() && out.front() != '/') root = programCurrentDirectory();
    host = root + out;
    return true;
}

std::string resolveCase(const std::string& host) {
    std::string resolved = !host.empty() && host[0] == '/' ? "/" : "";
    bool missing = false;
    std::size_t start = resolved.size();
    while (start < host.size()) {
        std::size_t end = host.find('/', start);
        if (end == std::string::npos) end = host.size();
        std::string component = host.substr(start, end - start);
        start = end + 1;
        if (component.empty()) continue;  // "a//b" is "a/b"
        if (!resolved.empty() && resolved.back() != '/') resolved += '/';
        if (!missing && component != "." && component != ".." && !exists(resolved + component)) {
            std::string actual = findIgnoringCase(resolved, component);
            if (actual.empty()) {
                missing = true;
            } else {
                component = actual;
            }
        }
        resolved += component;
    }
    if (!host.empty() && host.back() == '/' && !resolved.empty() && resolved.back() != '/') {
        resolved += '/';
    }
    return resolved;
}

bool resolvePath(const std::string& path, std::string& resolved) {
    std::string host;
    if (!hostPath(path, host)) return false;
    resolved = resolveCase(host);
    return true;
}

bool matchesFilePattern(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") pattern = "*";
    const auto pat = characters(pattern);
    const auto text = characters(name);
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t p = 0, n = 0, starP = none, starN = 0;
    while (n < text.size()) {
        if (p < pat.size() && (pat[p] == "?" || (pat[p] != "*" && sameCharacter(pat[p], text[n])))) {
            ++p;
            ++n;
        } else if (p < pat.size() && pat[p] == "*") {
            starP = p++;
            starN = n;
        } else if (starP != none) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == "*") ++p;
    return p == pat.size();
}

}  // namespace sim

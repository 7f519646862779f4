// Sound, shell execute, power-off and the help viewer: recorded in the trace.
#include <sys/stat.h>

#include <filesystem>

#include "platform/sim/desktop_impl.h"
#include "platform/sim/text_match.h"
#include "platform/sjis.h"
#include "platform/system.h"

namespace {

// shellExecute results (values of 32 or less are errors).
constexpr int kShellFileNotFound = 2;
constexpr int kShellNoAssociation = 31;
constexpr int kShellStarted = 42;

// The path with '\' separators (not trail bytes) turned into the host's.
std::string hostPath(const std::string& path) {
    std::string out = path;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (sjis::isLeadByte(static_cast<unsigned char>(out[i]))) {
            ++i;
        } else if (out[i] == '\\') {
            out[i] = '/';
        }
    }
    return out;
}

bool isRegularFile(const std::string& path) {
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The existing file the path names; a file name differing only in the case
// of ASCII letters is accepted, as Windows resolves names.  "" when missing.
std::string existingFile(const std::string& path) {
    if (isRegularFile(path)) return path;
    std::filesystem::path p(path);
    std::filesystem::path dir = p.has_parent_path() ? p.parent_path() : std::filesystem::path(".");
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (entry.is_regular_file(ec) && sim::equalsIgnoreCase(entry.path().filename().string(), p.filename().string())) {
            return (dir / entry.path().filename()).string();
        }
    }
    return {};
}

bool recordEvent(sim::TraceEvent::Kind kind, plat::Hwnd hwnd, const std::string& text, std::int64_t value) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return false;
    sim::TraceEvent e{};
    e.kind = kind;
    e.hwnd = hwnd;
    e.text = text;
    e.value = value;
    d->self.record(std::move(e));
    return true;
}

}  // namespace

namespace plat {

bool playSound(const std::string& path, Uint /*flags*/) {
    recordEvent(sim::TraceEvent::Kind::Sound, 0, path, 0);
    // Without a default sound, a missing file plays nothing.
    return !path.empty() && !existingFile(hostPath(path)).empty();
}

int shellExecute(Hwnd owner, const std::string& /*verb*/, const std::string& file,
                 const std::string& /*parameters*/, const std::string& directory, int /*showCommand*/) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return kShellNoAssociation;
    std::string path = hostPath(file);
    if (!directory.empty() && !path.empty() && path.front() != '/') {
        std::string dir = hostPath(directory);
        path = dir + (dir.back() == '/' ? "" : "/") + path;
    }
    int result = kShellStarted;
    std::string exePath = existingFile(path);
    const sim::ProgramRegistration* program = nullptr;
    if (exePath.empty()) {
        result = kShellFileNotFound;
    } else if (!(program = d->programs.forFile(std::filesystem::path(exePath).filename().string()))) {
        result = kShellNoAssociation;
    } else {
        auto main = program->main;
        d->self.startProgram(program->name, exePath, [main, exePath] { main(exePath); });
    }
    recordEvent(sim::TraceEvent::Kind::Shell, owner, file, result);
    return result;
}

bool exitWindows(Uint flags) { return recordEvent(sim::TraceEvent::Kind::PowerOff, 0, {}, flags); }

bool winHelp(Hwnd owner, const std::string& helpFile, Uint command) {
    return recordEvent(sim::TraceEvent::Kind::Help, owner, helpFile, command);
}

}  // namespace plat

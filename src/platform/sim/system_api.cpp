// Sound, shell execute, power-off and the help viewer: recorded in the trace.
#include <sys/stat.h>

#include <filesystem>

#include "platform/sim/desktop_impl.h"
#include "platform/sim/path_resolve.h"
#include "platform/system.h"

namespace {

// shellExecute results (values of 32 or less are errors).
constexpr int kShellFileNotFound = 2;
constexpr int kShellNoAssociation = 31;
constexpr int kShellStarted = 42;

// The existing regular file a program's path names (resolved as Windows
// resolves names), or "" when there is none.
std::string existingFile(const std::string& path) {
    std::string resolved;
    struct stat st{};
    if (!sim::resolvePath(path, resolved) || ::stat(resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return resolved;
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
    return !existingFile(path).empty();
}

int shellExecute(Hwnd owner, const std::string& /*verb*/, const std::string& file,
                 const std::string& /*parameters*/, const std::string& directory, int /*showCommand*/) {
    sim::Desktop::Impl* d = sim::activeDesktop();
    if (!d) return kShellNoAssociation;
    // A relative file name is taken in the given directory.
    std::string path = file;
    std::string host;
    if (!directory.empty() && sim::hostPath(file, host) && host.front() != '/') {
        const char last = directory.back();
        path = directory + (last == '/' || last == '\\' ? "" : "/") + file;
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

bool exitWindows(Uint flags) {
    const sim::Desktop::Impl* d = sim::activeDesktop();
    return recordEvent(sim::TraceEvent::Kind::PowerOff, 0, {}, flags) && !d->options.refusePowerOff;
}

bool winHelp(Hwnd owner, const std::string& helpFile, Uint command) {
    return recordEvent(sim::TraceEvent::Kind::Help, owner, helpFile, command);
}

}  // namespace plat

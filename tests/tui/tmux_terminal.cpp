#include "tmux_terminal.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <thread>

namespace tuitest {

namespace {

constexpr std::chrono::milliseconds kPollEvery{20};

std::string socketName() {
    static std::atomic<int> count{0};
    return "ornel-tui-test-" + std::to_string(::getpid()) + "-" + std::to_string(count++);
}

}  // namespace

bool shows(const std::vector<std::string>& rows, const std::string& utf8) {
    return std::any_of(rows.begin(), rows.end(), [&](const std::string& row) { return row.find(utf8) != std::string::npos; });
}

std::string quoted(const std::string& text) {
    std::string q = "'";
    for (const char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

TmuxTerminal::TmuxTerminal(int width, int height) : socket_(socketName()), width_(width), height_(height) {}

TmuxTerminal::~TmuxTerminal() { run("kill-server"); }

int TmuxTerminal::run(const std::string& arguments, std::string* out) const {
    const std::string command = "tmux -L " + socket_ + " -f /dev/null " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    std::array<char, 4096> buffer;
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        if (out != nullptr) out->append(buffer.data(), n);
    }
    return ::pclose(pipe);
}

bool TmuxTerminal::start(const std::string& command) {
    const std::string shell = command + "; echo \"exited $?\"; sleep 600";
    return run("new-session -d -x " + std::to_string(width_) + " -y " + std::to_string(height_) +
               " -e LANG=C.UTF-8 -e LC_ALL=C.UTF-8 -e TZ=Asia/Tokyo " + quoted(shell)) == 0;
}

std::vector<std::string> TmuxTerminal::screen() const {
    std::string out;
    run("capture-pane -p -t 0", &out);
    std::vector<std::string> rows;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        std::string row = out.substr(start, end == std::string::npos ? std::string::npos : end - start);
        while (!row.empty() && row.back() == ' ') row.pop_back();
        rows.push_back(row);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return rows;
}

std::string TmuxTerminal::screenText() const {
    std::string text;
    for (const std::string& row : screen()) text += row + "\n";
    return text;
}

bool TmuxTerminal::waitUntil(const std::function<bool(const std::vector<std::string>&)>& pred,
                             std::chrono::milliseconds limit) const {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (pred(screen())) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(kPollEvery);
    }
}

bool TmuxTerminal::waitFor(const std::string& utf8, std::chrono::milliseconds limit) const {
    return waitUntil([&](const std::vector<std::string>& rows) { return shows(rows, utf8); }, limit);
}

bool TmuxTerminal::waitGone(const std::string& utf8, std::chrono::milliseconds limit) const {
    return waitUntil([&](const std::vector<std::string>& rows) { return !shows(rows, utf8); }, limit);
}

void TmuxTerminal::keys(const std::vector<std::string>& names) const {
    std::string arguments = "send-keys -t 0";
    for (const std::string& name : names) arguments += " " + name;
    run(arguments);
}

void TmuxTerminal::text(const std::string& utf8) const { run("send-keys -t 0 -l " + quoted(utf8)); }

void TmuxTerminal::paste(const std::string& utf8) const {
    run("set-buffer " + quoted(utf8));
    run("paste-buffer -p -t 0");
}

void TmuxTerminal::resize(int width, int height) const {
    run("resize-window -t 0 -x " + std::to_string(width) + " -y " + std::to_string(height));
}

}  // namespace tuitest

#include "frontends/cli/headless_desktop.h"

#include <stdlib.h>

#include <filesystem>

#include "frontends/cli/cli_text.h"

namespace cli {

HeadlessDesktop::HeadlessDesktop(std::int64_t startTime) {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "ornel-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) return;
    directory_ = pattern + "/";
    desk_ = std::make_unique<simhome::OrnelDesktop>(simhome::DesktopOptions{directory_, startTime});
}

HeadlessDesktop::~HeadlessDesktop() {
    desk_.reset();
    if (directory_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(directory_, ec);
}

bool HeadlessDesktop::runOrnel(std::function<void()> fn) {
    bool finished = false;
    desk_->startOrnel([&] {
        fn();
        finished = true;
    });
    desktop().run();
    return finished;
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

void printBoxes(std::FILE* out, const sim::ScriptedUser& user, bool utf8) {
    for (const sim::ScriptedUser::Seen& seen : user.seenFrom(kOrnelProgram)) {
        if (!seen.info.isMessageBox) continue;
        std::fprintf(out, "%u %s\n", seen.info.helpId, outputText(escapeLineBreaks(seen.info.text), utf8).c_str());
    }
}

}  // namespace cli

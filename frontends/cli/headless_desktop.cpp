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
    sim::Desktop::Options options;
    options.directory = directory_;
    options.startTime = startTime;
    desktop_ = std::make_unique<sim::Desktop>(options);
    desktop_->setUser(&user_);
}

HeadlessDesktop::~HeadlessDesktop() {
    desktop_.reset();
    if (directory_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(directory_, ec);
}

bool HeadlessDesktop::runOrnel(std::function<void()> fn) {
    bool finished = false;
    desktop_->startProgram(kOrnelProgram, ornelExePath(), [&] {
        fn();
        finished = true;
    });
    desktop_->run();
    return finished;
}

void printBoxes(std::FILE* out, const sim::ScriptedUser& user, bool utf8) {
    for (const sim::ScriptedUser::Seen& seen : user.seenFrom(kOrnelProgram)) {
        if (!seen.info.isMessageBox) continue;
        std::string text;
        for (char c : seen.info.text) {
            if (c == '\r') text += "\\r";
            else if (c == '\n') text += "\\n";
            else text += c;
        }
        std::fprintf(out, "%u %s\n", seen.info.helpId, outputText(text, utf8).c_str());
    }
}

}  // namespace cli

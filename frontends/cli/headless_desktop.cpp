#include "frontends/cli/headless_desktop.h"

#include <stdlib.h>

#include <filesystem>


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

std::vector<BatchHost::Box> HeadlessDesktop::boxes() const { return ornelBoxes(user_); }

std::vector<BatchHost::Box> ornelBoxes(const sim::ScriptedUser& user) {
    std::vector<BatchHost::Box> boxes;
    for (const sim::ScriptedUser::Seen& seen : user.seenFrom(kOrnelProgram)) {
        if (seen.info.isMessageBox) boxes.push_back({seen.info.helpId, seen.info.text});
    }
    return boxes;
}

std::unique_ptr<BatchHost> BatchHost::make(std::int64_t startTime) {
    return std::make_unique<HeadlessDesktop>(startTime);
}

}  // namespace cli

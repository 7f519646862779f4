// The batch commands' host on this machine: Ornel on a simulated desktop
// without a screen, in a fresh temporary directory (removed again at the
// end), in virtual time, with a scripted user answering its boxes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontends/cli/batch_host.h"
#include "frontends/simhome/ornel_desktop.h"

namespace cli {

using simhome::kOrnelProgram;

// The files of a simulated desktop, read by a program of its own.
class DesktopFiles : public ProgramFiles {
public:
    explicit DesktopFiles(simhome::OrnelDesktop& desk) : desk_(desk) {}
    std::string text(const std::string& path) override;
    FileMark mark(const std::string& path) override;

private:
    simhome::OrnelDesktop& desk_;
};

class HeadlessDesktop : public BatchHost {
public:
    // The clock starts at startTime (seconds since 1970).
    explicit HeadlessDesktop(std::int64_t startTime);
    ~HeadlessDesktop() override;
    HeadlessDesktop(const HeadlessDesktop&) = delete;
    HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

    bool ready() const override { return desk_ != nullptr; }
    // The temporary directory (the desktop's drive), with a trailing '/'.
    const std::string& directory() const override { return directory_; }
    void setQuestionAnswer(int answer) override { user().setDefaultQuestionAnswer(answer); }
    void setOpenFileAnswer(const std::string& path) override { user().setOpenFileAnswer(path); }
    void answerDialog(const std::string& captionPrefix, std::function<void(DialogFields&)> fill) override;
    bool dialogRefused() const override { return dialogRefused_; }
    bool openFileDialogShown() const override;
    std::vector<Box> boxes() const override;
    bool runOrnel(std::function<void()> fn) override;
    std::unique_ptr<ProgramSession> program(app::ProgramOptions options) override;
    ProgramFiles& files() override { return *files_; }

    simhome::OrnelDesktop& desk() { return *desk_; }
    sim::Desktop& desktop() { return desk_->desktop(); }
    sim::ScriptedUser& user() { return desk_->user(); }
    const sim::ScriptedUser& user() const { return desk_->user(); }

private:
    std::string directory_;
    std::unique_ptr<simhome::OrnelDesktop> desk_;
    std::unique_ptr<DesktopFiles> files_;
    bool dialogRefused_ = false;
};

// The message boxes Ornel showed on a desktop, in order.
std::vector<BatchHost::Box> ornelBoxes(const sim::ScriptedUser& user);

}  // namespace cli

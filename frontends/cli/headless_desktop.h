// The set-up the batch commands share: Ornel on a simulated desktop without
// a screen, in virtual time, with a scripted user answering its boxes, and
// the report of the boxes that were shown.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "frontends/cli/batch_host.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"

namespace cli {

constexpr const char* kOrnelProgram = "Ornel";
constexpr const char* kOrnelExeName = "Ornel.exe";

// A desktop in a fresh temporary directory (removed again at the end), whose
// clock starts at startTime (seconds since 1970): the batch commands' host
// on this machine.
class HeadlessDesktop : public BatchHost {
public:
    explicit HeadlessDesktop(std::int64_t startTime);
    ~HeadlessDesktop() override;
    HeadlessDesktop(const HeadlessDesktop&) = delete;
    HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

    // False when the temporary directory could not be made; nothing else
    // may be used then.
    bool ready() const override { return desktop_ != nullptr; }
    void setQuestionAnswer(int answer) override { user_.setDefaultQuestionAnswer(answer); }
    std::string scratchDirectory() const override { return directory_; }
    std::vector<Box> boxes() const override;
    sim::Desktop& desktop() { return *desktop_; }
    sim::ScriptedUser& user() { return user_; }
    // Ornel's executable: "<directory>/Ornel.exe".
    std::string ornelExePath() const { return directory_ + kOrnelExeName; }

    // Runs fn as Ornel's main thread and drives the desktop until nothing
    // is left to do.  False when fn did not come to its end (a box that
    // nobody answered).
    bool runOrnel(std::function<void()> fn) override;

private:
    std::string directory_;
    sim::ScriptedUser user_;
    std::unique_ptr<sim::Desktop> desktop_;
};

// The message boxes Ornel showed on a desktop, in order.
std::vector<BatchHost::Box> ornelBoxes(const sim::ScriptedUser& user);

}  // namespace cli

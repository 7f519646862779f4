// The set-up the batch commands share: Ornel on a simulated desktop without
// a screen, in a fresh temporary directory (removed again at the end), in
// virtual time, with a scripted user answering its boxes; and the report of
// the boxes that were shown.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "frontends/simhome/ornel_desktop.h"

namespace cli {

using simhome::kOrnelProgram;

class HeadlessDesktop {
public:
    // The clock starts at startTime (seconds since 1970).
    explicit HeadlessDesktop(std::int64_t startTime);
    ~HeadlessDesktop();
    HeadlessDesktop(const HeadlessDesktop&) = delete;
    HeadlessDesktop& operator=(const HeadlessDesktop&) = delete;

    // False when the temporary directory could not be made; nothing else
    // may be used then.
    bool ready() const { return desk_ != nullptr; }
    simhome::OrnelDesktop& desk() { return *desk_; }
    sim::Desktop& desktop() { return desk_->desktop(); }
    sim::ScriptedUser& user() { return desk_->user(); }
    // The temporary directory (the desktop's drive), with a trailing '/'.
    const std::string& directory() const { return directory_; }

    // Runs fn as Ornel's main thread and drives the desktop until nothing
    // is left to do.  False when fn did not come to its end (a box that
    // nobody answered).
    bool runOrnel(std::function<void()> fn);

private:
    std::string directory_;
    std::unique_ptr<simhome::OrnelDesktop> desk_;
};

// One line per message box Ornel showed, in order: its string-table id
// (0 for texts without one), a blank, and its text with CR written as "\r"
// and LF as "\n"; in UTF-8 when utf8, else as the Shift-JIS bytes.
void printBoxes(std::FILE* out, const sim::ScriptedUser& user, bool utf8);

// A box's text as printed: CR and LF written as "\r" and "\n".
std::string escapeLineBreaks(const std::string& text);

}  // namespace cli

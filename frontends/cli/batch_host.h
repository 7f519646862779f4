// Where a batch command runs Ornel: a headless simulated desktop in virtual
// time on this machine, Windows itself in ornel.exe.  Either way a script
// plays the user: Yes/No questions get the command's answer, other boxes
// and dialogs are confirmed with OK, and every message box Ornel showed is
// reported.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cli {

class BatchHost {
public:
    struct Box {
        unsigned helpId = 0;  // string-table id, 0 for texts without one
        std::string text;
    };

    // The backend's host; its clock starts at startTime (seconds since 1970)
    // where the backend's clock can be set.
    static std::unique_ptr<BatchHost> make(std::int64_t startTime);
    virtual ~BatchHost() = default;

    // False when the host could not be set up; nothing else may be used then.
    virtual bool ready() const = 0;
    // The answer to Yes/No questions (IDYES unless set).
    virtual void setQuestionAnswer(int answer) = 0;
    // Runs fn as Ornel's main thread until it returns.  False when it did
    // not come to its end (a box nobody could answer).
    virtual bool runOrnel(std::function<void()> fn) = 0;
    // A directory of Ornel's own for files nobody keeps, ending in a
    // separator.
    virtual std::string scratchDirectory() const = 0;
    // The message boxes Ornel showed, in order.
    virtual std::vector<Box> boxes() const = 0;
};

// One line per box: its string-table id, a blank, and its text with CR
// written as "\r" and LF as "\n"; in UTF-8 when utf8, else as the Shift-JIS
// bytes.
void printBoxes(std::FILE* out, const std::vector<BatchHost::Box>& boxes, bool utf8);

}  // namespace cli

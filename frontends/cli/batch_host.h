// Where a batch command runs Ornel: a headless simulated desktop in virtual
// time on this machine (frontends/cli/headless_desktop.*), Windows itself in
// ornel.exe (frontends/win32).  Either way the program is the application
// object with its main window, and a script plays its user: Yes/No
// questions get the command's answer, the open-file dialog gets the
// command's file, other boxes and dialogs are confirmed with OK, and every
// message box Ornel showed is reported.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"

namespace cli {

// A file as it stands, to tell afterwards whether a run wrote it: every
// write changes its change time (or, when the file is replaced, its file
// number), even when the bytes and the last-write time the program gave it
// come out the same as before.
struct FileMark {
    bool exists = false;
    std::uint64_t fileNumber = 0;
    std::int64_t changeSeconds = 0;
    long changeNanoseconds = 0;
    friend bool operator==(const FileMark&, const FileMark&) = default;
};

// Reading the files the program wrote, as a program of its desktop.
class ProgramFiles {
public:
    virtual ~ProgramFiles() = default;
    // The whole text of a file as the program reads it ("\n" line ends);
    // empty when there is none.
    virtual std::string text(const std::string& path) = 0;
    virtual FileMark mark(const std::string& path) = 0;
};

// The whole program on the host and its user.  Each step of the user is
// followed by the program settling: it waits for time or input with no box
// or dialog of its own open over its main window.
class ProgramSession {
public:
    virtual ~ProgramSession() = default;

    virtual app::Application& program() = 0;

    // Starts the process and waits until the main window's start-up is
    // through and the program waits.  False when it did not come up.
    virtual bool start() = 0;
    virtual bool settle() = 0;
    // Asks the main window to close and waits for the process to end; false
    // when it did not.
    virtual bool close() = 0;

    // The text of a control of the main window.
    virtual std::string controlText(int id) = 0;
    // Presses a button of the main window with the mouse.
    virtual bool click(int buttonId) = 0;
    // Chooses an entry of the window's system menu.
    virtual bool chooseFromSystemMenu(int id) = 0;
    // Right-clicks the window and chooses the entry of the context menu.
    virtual bool chooseFromContextMenu(int id) = 0;
    // Puts text on the clipboard and pastes it into the BetList (Ctrl+V).
    virtual bool pasteIntoList(const std::string& text) = 0;
    // Replaces the BetList's text and presses Enter on its first line, so
    // that the whole list is parsed.
    virtual bool enterIntoList(const std::string& text) = 0;
    // Runs fn as the user while the program waits, then lets it settle.
    virtual bool asUser(const std::function<void()>& fn) = 0;
};

// A dialog of the program as its user fills it in.
class DialogFields {
public:
    virtual ~DialogFields() = default;
    virtual std::string text(int id) = 0;
    // Replaces the field's text as typing over it does.
    virtual void type(int id, const std::string& text) = 0;
};

class BatchHost {
public:
    struct Box {
        unsigned helpId = 0;  // string-table id, 0 for texts without one
        std::string text;
    };

    // The backend's host; its clock reads startTime (seconds since 1970)
    // when the command starts.
    static std::unique_ptr<BatchHost> make(std::int64_t startTime);
    virtual ~BatchHost() = default;

    // False when the host could not be set up; nothing else may be used then.
    virtual bool ready() const = 0;
    // A directory of the command's own, removed at the end, with a trailing
    // separator: for files nobody keeps.
    virtual const std::string& directory() const = 0;

    // The answer to Yes/No questions (IDYES unless set).
    virtual void setQuestionAnswer(int answer) = 0;
    // The file chosen in the open-file dialog ("" cancels it).
    virtual void setOpenFileAnswer(const std::string& path) = 0;
    // Dialogs whose caption starts with captionPrefix are filled in by fill
    // (on a thread of the desktop), then confirmed with OK.  One that is
    // still open after OK has refused a value (its message box answered):
    // it is cancelled, and dialogRefused says so.  Other dialogs are
    // confirmed as they open.
    virtual void answerDialog(const std::string& captionPrefix, std::function<void(DialogFields&)> fill) = 0;
    virtual bool dialogRefused() const = 0;
    virtual bool openFileDialogShown() const = 0;
    // The message boxes Ornel showed, in order.
    virtual std::vector<Box> boxes() const = 0;

    // Runs fn as Ornel's main thread until it returns.  False when it did
    // not come to its end (a box nobody could answer).
    virtual bool runOrnel(std::function<void()> fn) = 0;
    // The whole program with these options, not yet started.
    virtual std::unique_ptr<ProgramSession> program(app::ProgramOptions options) = 0;
    virtual ProgramFiles& files() = 0;
};

// One line per box: its string-table id, a blank, and its text with CR
// written as "\r" and LF as "\n"; in UTF-8 when utf8, else as the Shift-JIS
// bytes.
void printBoxes(std::FILE* out, const std::vector<BatchHost::Box>& boxes, bool utf8);

}  // namespace cli

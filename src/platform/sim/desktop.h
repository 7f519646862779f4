// The simulated desktop: our own small USER32/KERNEL32 on a virtual clock.
//
// This header is the harness.  Tests and front ends assemble a desktop with
// it; Ornel and the replacement client never include it (they see only the
// platform API).
//
// Scheduling.  Every simulated thread is a real thread, but exactly one of
// them runs at a time: a thread gives up its turn only in a blocking call
// (sleep, waiting for a message, a modal loop, a send to another thread,
// ending).  The harness drives the scheduler (run, runFor, runUntil, call);
// outside those calls no simulated thread runs, and the harness thread may use
// the platform API itself for inspection (non-blocking calls only).  When no
// thread can run, the virtual clock jumps to the next event (a sleep's end, a
// timer, a scheduled action).  Ties are broken in a fixed order, so a run is
// deterministic.  In real-time mode the clock follows the wall clock instead
// and actions may be injected from other threads.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace sim {

using ProgramId = int;

// What crosses between programs, with its virtual time.
struct TraceEvent {
    enum class Kind {
        Post,       // message posted to another program's window
        Send,       // message sent to another program's window
        Box,        // a message box or dialog shown (text = box text)
        BoxAnswer,  // the answer given to it (value = result)
        Sound,      // playSound (text = path) or messageBeep (value = type)
        Flash,      // flashWindow (value = invert)
        Foreground, // setForegroundWindow across programs
        Shell,      // shellExecute (text = file, value = result)
        PowerOff,   // exitWindows (value = flags)
        Help,       // winHelp (value = command)
        Message,    // a message that reached a watched window (recordMessagesTo)
    };
    Kind kind;
    std::int64_t timeMs = 0;     // virtual milliseconds since the desktop started
    std::string fromProgram;
    std::string toProgram;
    plat::Hwnd hwnd = 0;
    plat::Uint message = 0;
    plat::Wparam wParam = 0;
    plat::Lparam lParam = 0;
    std::string caption;         // window caption / box caption
    std::string text;            // box text, sound path, ...
    std::int64_t value = 0;
    plat::Uint helpId = 0;
};

// A modal window (message box, dialog, open-file dialog) as the user sees it.
struct ModalInfo {
    plat::Hwnd window = 0;
    std::string program;         // the program that opened it
    std::string caption;
    std::string text;            // message boxes: the text; dialogs: their static texts, one per line
    plat::Uint type = 0;         // message boxes: MB_* value
    plat::Uint helpId = 0;       // message boxes: string-table id
    std::vector<std::pair<int, std::string>> buttons;  // push buttons: control id, caption
    bool isMessageBox = false;
    bool isOpenFile = false;     // the open-file dialog (file name edit id kOpenFileNameId)
    bool isMenu = false;         // a tracked pop-up menu (class "#32768")
    // Pop-up menus: the entries, id and text (separators as 0 and "").
    std::vector<std::pair<int, std::string>> menuItems;
    std::vector<bool> menuGreyed;  // per entry: shown grey, cannot be chosen
    std::string filter;          // open-file dialog: filter, default extension, initial name
    std::string defaultExtension;
    std::string fileName;
};

// Control id of the file-name edit of the open-file dialog.
constexpr int kOpenFileNameId = 1152;

class Desktop;

// Who answers modal windows.  Called on the scheduler when a modal window
// starts its loop; the user acts through Desktop::act (a short simulated
// thread of the "user" program), e.g. typing into a field and pressing a
// button after a delay.  A modal window nobody answers stays open.
class User {
public:
    virtual ~User() = default;
    virtual void onModal(Desktop& desktop, const ModalInfo& info) = 0;
};

class Desktop {
public:
    struct Options {
        std::string directory;        // holds the Windows directory, drive root and registry
        std::int64_t startTime = 0;   // seconds since 1970 (UTC) at virtual time 0
        bool realTime = false;
        int speed = 1;                // real-time mode: virtual ms per wall ms (1 = the wall clock)
        int screenWidth = 1024;
        int screenHeight = 768;
        // The system refuses requests to power off (as Windows does for a
        // process without the shutdown privilege); they are still traced.
        bool refusePowerOff = false;
    };
    explicit Desktop(Options options);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // The desktop in use (one at a time per process).
    static Desktop* current();

    // ---- programs ----
    // Starts a program whose executable is exePath (its directory is the
    // program directory) with main running on its first thread.
    ProgramId startProgram(const std::string& name, const std::string& exePath,
                           std::function<void()> main);
    // shellExecute starts `main` for files whose name matches the pattern
    // (case-insensitive wildcards, e.g. "Pat95*.exe"); it receives the file's
    // full path.
    void registerProgram(const std::string& name, const std::string& filePattern,
                         std::function<void(const std::string& exePath)> main);
    bool programRunning(ProgramId id) const;
    // The name of the program whose thread made a window ("" for none).
    std::string programOf(plat::Hwnd window) const;

    // ---- running (harness thread only) ----
    // Runs until no simulated thread can run and no event is pending, or
    // until maxMs of virtual time have passed.  Returns true when idle.
    bool run(std::int64_t maxMs = 3'600'000);
    void runFor(std::int64_t ms);
    // Runs until pred() holds (checked whenever the turn comes back to the
    // scheduler) or maxMs pass; returns pred().
    bool runUntil(const std::function<bool()>& pred, std::int64_t maxMs);
    // Runs fn on a new thread of the given program (by name; created without
    // an executable if it does not exist) and drives the scheduler until fn
    // returns.  Returns false if it did not return within maxMs.
    bool call(const std::string& program, std::function<void()> fn,
              std::int64_t maxMs = 3'600'000);
    // Schedules fn on a new thread of the "user" program after delayMs.
    void act(std::int64_t delayMs, std::function<void()> fn);
    // Real-time mode: runs fn on the scheduler's thread between turns (safe
    // from any thread) and wakes the scheduler.
    void inject(std::function<void()> fn);
    // Real-time mode: drives the scheduler until stop() is called.
    void runRealTime();
    void stop();

    std::int64_t virtualMs() const;  // virtual milliseconds since the start

    // ---- the user ----
    void setUser(User* user);
    User* user() const;

    // Whether every thread of the program waits for messages with nothing
    // to do (no posted message, no send, no timer due): what it does next
    // depends on time or input.  A thread may wait inside a modal loop.
    bool programIdle(const std::string& program) const;
    // The same for the one thread that owns the window (its program's other
    // threads may be busy).
    bool windowThreadIdle(plat::Hwnd window) const;
    // The program's modal windows whose loops run (dialogs run as the main
    // window included), oldest first.
    std::vector<plat::Hwnd> modalWindows(const std::string& program) const;

    // ---- the LHA library ----
    // What the desktop's archive library reports: installed or not, its
    // version (hundredths) and whether another program keeps it busy.  A
    // library that is not installed reports version 0 and fails every
    // command.
    struct LhaLibrary {
        bool installed = true;
        unsigned version = 100;
        bool busy = false;
    };
    void setLhaLibrary(const LhaLibrary& library);
    const LhaLibrary& lhaLibrary() const;

    // ---- trace ----
    // From now on, every message that reaches a top-level window of the
    // program (sent or dispatched) is also recorded as a Message event, as
    // a spy would see it; toProgram names the program, caption the window.
    void recordMessagesTo(const std::string& program);
    const std::vector<TraceEvent>& trace() const;
    void clearTrace();
    void record(TraceEvent event);  // used by the backend

    const Options& options() const;

    struct Impl;
    Impl& impl();

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace sim

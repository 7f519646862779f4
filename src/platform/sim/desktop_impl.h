// The state of the simulated desktop, shared by the parts of its backend.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/sim/desktop.h"
#include "platform/sim/menu_table.h"
#include "platform/sim/program_table.h"
#include "platform/sim/scheduler.h"
#include "platform/sim/timer_table.h"
#include "platform/sim/window_table.h"

namespace sim {

struct WindowClass {
    std::string name;  // as registered
    plat::WndProc proc;
};

struct Desktop::Impl {
    Impl(Desktop& self, Options options);

    Desktop& self;
    Options options;
    Scheduler scheduler;
    WindowTable windows;
    TimerTable timers;
    ProgramTable programs;
    MenuTable menus;
    std::map<std::string, WindowClass> classes;  // by foldCase(name)
    std::vector<TraceEvent> trace;
    User* user = nullptr;
    std::string clipboard;
    LhaLibrary lha;
    plat::Hwnd focus = 0;
    std::set<plat::Wparam> keysDown;  // as the keyboard messages were taken off the queues
    plat::Hwnd foreground = 0;
    std::vector<std::string> messageWatched;  // programs whose top-level windows are spied on

    std::string programOf(const SimThread& thread) const { return programs.nameOf(thread.program); }
    std::string programOf(const Window& window) const;
};

// The desktop in use, or null when there is none (the platform then falls
// back to the host's clock and threads, and window calls fail).
Desktop::Impl* activeDesktop();

// The calling simulated thread; the harness pseudo-thread on any other thread.
SimThread& callerThread(Desktop::Impl& d);
// The same for calls that block: on the harness they are a programming error.
SimThread& requireSimulated(const char* call);

// Calls the window's procedure on the calling thread (defWindowProc when it
// has none); 0 for a window that is gone.
plat::Lresult callProc(Desktop::Impl& d, plat::Hwnd hwnd, plat::Uint message, plat::Wparam wParam,
                       plat::Lparam lParam);

// Trace of a message crossing from the caller's program to the window's.
void traceMessage(Desktop::Impl& d, TraceEvent::Kind kind, const SimThread& from, const Window& to,
                  plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);

// Queues a message the system itself sends to a window's thread (a focus
// change reaching another thread): not traced as the caller's post.
bool queueSystemMessage(Desktop::Impl& d, plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                        plat::Lparam lParam);

// Records a message reaching a top-level window of a watched program.
void spyMessage(Desktop::Impl& d, const Window& to, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);

// Destroys the windows a thread made (the harness pseudo-thread's when the
// desktop goes away).
void destroyWindowsOf(Desktop::Impl& d, const SimThread* thread);
// Destroys a window with its children and owned windows (WM_DESTROY, then
// WM_NCDESTROY to each).
void destroyWindowTree(Desktop::Impl& d, Window& window);

}  // namespace sim

// One simulated thread: a real thread that runs only while it holds the turn,
// with its message queue and the sends waiting for it.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

#include "platform/clock.h"
#include "platform/sim/desktop.h"
#include "platform/window.h"

namespace sim {

enum class ThreadState {
    Ready,           // waiting for the turn
    Running,         // holds the turn
    Sleeping,        // in sleep until its wake time
    WaitingMessage,  // in getMessage or a modal loop, nothing to do
    WaitingReply,    // sent to another thread's window, waiting for the result
    Finished,
};

struct SimThread;

// A message sent to a window of another thread, processed by that thread
// when it next waits for messages.
struct SendRequest {
    plat::Msg msg;
    SimThread* sender = nullptr;  // cleared when the sender is gone
    plat::Lresult result = 0;
    bool done = false;
};

struct SimThread {
    plat::ThreadId id = 0;
    ProgramId program = -1;
    bool isHarness = false;  // the pseudo-thread standing for the harness
    ThreadState state = ThreadState::Ready;
    std::function<void()> body;
    std::thread os;
    std::condition_variable turn;
    bool cancelled = false;  // the desktop is going away: unwind
    bool ending = false;     // its function has returned

    std::deque<plat::Msg> posted;
    std::deque<std::shared_ptr<SendRequest>> incoming;
    bool quitPending = false;
    int quitCode = 0;
};

// Thrown out of a blocking call when the desktop shuts down, to unwind a
// simulated thread that is still blocked; caught where the thread starts.
// Deliberately not a std::exception.
struct ThreadCancelled {};

}  // namespace sim

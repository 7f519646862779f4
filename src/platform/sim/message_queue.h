// Taking messages off a thread's queue: sends from other threads first, then
// posted messages, WM_QUIT, due timers.
#pragma once

#include <functional>

#include "platform/sim/desktop_impl.h"

namespace sim {

enum class Retrieved {
    Message,  // msg holds the next message
    Nothing,  // nothing waiting (without waiting), or the thread is unwinding
    Stopped,  // stop() became true while waiting
};

struct Retrieval {
    bool remove = true;
    bool wait = true;
    std::function<bool()> stop;  // checked whenever the thread looks again
};

// Runs the sends other threads have made to the thread's windows.
void processIncomingSends(Desktop::Impl& d, SimThread& thread);

Retrieved retrieveMessage(Desktop::Impl& d, SimThread& thread, plat::Msg& msg, const Retrieval& how);

}  // namespace sim

#include <algorithm>

#include "platform/sim/desktop_impl.h"

namespace sim {

const std::vector<TraceEvent>& Desktop::trace() const { return impl_->trace; }

void Desktop::clearTrace() { impl_->trace.clear(); }

void Desktop::record(TraceEvent event) {
    if (event.timeMs == 0) event.timeMs = impl_->scheduler.now();
    if (event.fromProgram.empty()) event.fromProgram = impl_->programOf(callerThread(*impl_));
    impl_->trace.push_back(std::move(event));
}

namespace {

void recordMessage(Desktop::Impl& d, TraceEvent::Kind kind, const SimThread& from, const Window& to,
                   plat::Uint message, plat::Wparam wParam, plat::Lparam lParam) {
    TraceEvent e{};
    e.kind = kind;
    e.fromProgram = d.programOf(from);
    e.toProgram = d.programOf(to);
    e.hwnd = to.hwnd;
    e.message = message;
    e.wParam = wParam;
    e.lParam = lParam;
    e.caption = to.caption;
    d.self.record(std::move(e));
}

}  // namespace

void Desktop::recordMessagesTo(const std::string& program) { impl_->messageWatched.push_back(program); }

void spyMessage(Desktop::Impl& d, const Window& to, plat::Uint message, plat::Wparam wParam, plat::Lparam lParam) {
    if (!to.topLevel || !to.thread) return;
    const std::string program = d.programOf(to);
    if (std::find(d.messageWatched.begin(), d.messageWatched.end(), program) == d.messageWatched.end()) return;
    recordMessage(d, TraceEvent::Kind::Message, callerThread(d), to, message, wParam, lParam);
}

void traceMessage(Desktop::Impl& d, TraceEvent::Kind kind, const SimThread& from, const Window& to,
                  plat::Uint message, plat::Wparam wParam, plat::Lparam lParam) {
    // Only what crosses between two programs; the harness is no program.
    if (from.isHarness || !to.thread || to.thread->isHarness || from.program == to.thread->program) return;
    recordMessage(d, kind, from, to, message, wParam, lParam);
}

}  // namespace sim

#include <atomic>
#include <limits>

#include "platform/sim/backend.h"
#include "platform/sim/desktop_impl.h"

namespace sim {

namespace {

std::atomic<Desktop*> currentDesktop{nullptr};

std::int64_t deadlineAfter(std::int64_t now, std::int64_t ms) {
    if (ms < 0) ms = 0;
    if (ms > std::numeric_limits<std::int64_t>::max() - now) return std::numeric_limits<std::int64_t>::max();
    return now + ms;
}

// A thread has ended: its windows are destroyed (their procedures get
// WM_DESTROY and WM_NCDESTROY on this thread, so controls free their state),
// sends waiting for it get 0, and sends it was waiting for forget it.
void threadEnded(Desktop::Impl& d, SimThread& t) {
    destroyWindowsOf(d, &t);
    for (auto& request : t.incoming) {
        request->done = true;
        request->result = 0;
        if (request->sender) d.scheduler.wakeFromAnyWait(*request->sender);
    }
    t.incoming.clear();
    t.posted.clear();
    for (SimThread* other : d.scheduler.threads()) {
        for (auto& request : other->incoming) {
            if (request->sender == &t) request->sender = nullptr;
        }
    }
}

}  // namespace

void destroyWindowsOf(Desktop::Impl& d, const SimThread* thread) {
    for (Window* w : d.windows.live()) {
        if (w->alive && w->thread == thread && w->hwnd != d.windows.desktopHandle()) destroyWindowTree(d, *w);
    }
}

Desktop::Impl::Impl(Desktop& owner, Options opts)
    : self(owner),
      options(std::move(opts)),
      scheduler(options.realTime, options.speed),
      windows(options.screenWidth, options.screenHeight, &scheduler.harness()) {
    scheduler.setHooks(
        [this](const SimThread& t) -> std::optional<EventKey> {
            if (const Timer* timer = timers.earliest(t)) return timer->due;
            return std::nullopt;
        },
        [this](SimThread& t) { threadEnded(*this, t); });
}

std::string Desktop::Impl::programOf(const Window& window) const {
    return window.thread ? programOf(*window.thread) : std::string();
}

Desktop::Impl* activeDesktop() {
    Desktop* d = Desktop::current();
    return d ? &d->impl() : nullptr;
}

SimThread& callerThread(Desktop::Impl& d) { return d.scheduler.current(); }

SimThread& requireSimulated(const char* call) {
    SimThread* t = Scheduler::simulated();
    if (!t) {
        std::string message = std::string(call) +
                              " blocks and was called on the harness thread; run it on a simulated "
                              "thread (Desktop::call, act or startProgram)";
        fatal(message.c_str());
    }
    return *t;
}

Desktop::Desktop(Options options) : impl_(std::make_unique<Impl>(*this, std::move(options))) {
    Desktop* none = nullptr;
    if (!currentDesktop.compare_exchange_strong(none, this)) fatal("a second desktop was created");
    registerStandardClasses();
    // Dialog windows need their class even before the standard controls exist.
    if (!plat::classProc("#32770")) plat::registerClass("#32770", plat::defWindowProc);
}

Desktop::~Desktop() {
    impl_->scheduler.shutdown();
    destroyWindowsOf(*impl_, &impl_->scheduler.harness());  // those the harness made
    currentDesktop.store(nullptr);
}

Desktop* Desktop::current() { return currentDesktop.load(); }

Desktop::Impl& Desktop::impl() { return *impl_; }

const Desktop::Options& Desktop::options() const { return impl_->options; }

ProgramId Desktop::startProgram(const std::string& name, const std::string& exePath,
                                std::function<void()> main) {
    ProgramId id = impl_->programs.create(name, exePath);
    impl_->scheduler.spawn(id, std::move(main));
    return id;
}

void Desktop::registerProgram(const std::string& name, const std::string& filePattern,
                              std::function<void(const std::string& exePath)> main) {
    impl_->programs.registerFiles({name, filePattern, std::move(main)});
}

bool Desktop::programRunning(ProgramId id) const { return impl_->scheduler.programAlive(id); }

std::string Desktop::programOf(plat::Hwnd window) const {
    Window* w = impl_->windows.find(window);
    return w ? impl_->programOf(*w) : std::string();
}

bool Desktop::run(std::int64_t maxMs) {
    Scheduler& s = impl_->scheduler;
    return s.drive(nullptr, deadlineAfter(s.now(), maxMs), {.returnWhenIdle = true}) == Scheduler::End::Idle;
}

void Desktop::runFor(std::int64_t ms) {
    Scheduler& s = impl_->scheduler;
    s.drive(nullptr, deadlineAfter(s.now(), ms), {});
}

bool Desktop::runUntil(const std::function<bool()>& pred, std::int64_t maxMs) {
    Scheduler& s = impl_->scheduler;
    s.drive(pred, deadlineAfter(s.now(), maxMs), {});
    return pred();
}

bool Desktop::call(const std::string& program, std::function<void()> fn, std::int64_t maxMs) {
    Scheduler& s = impl_->scheduler;
    plat::ThreadId id = s.spawn(impl_->programs.findOrCreate(program), std::move(fn)).id;
    auto finished = [&] { return !s.threadAlive(id); };
    s.drive(finished, deadlineAfter(s.now(), maxMs), {});
    return finished();
}

void Desktop::act(std::int64_t delayMs, std::function<void()> fn) {
    Scheduler& s = impl_->scheduler;
    s.schedule(deadlineAfter(s.now(), delayMs), [this, fn = std::move(fn)]() mutable {
        impl_->scheduler.spawn(impl_->programs.findOrCreate("user"), std::move(fn));
    });
}

void Desktop::inject(std::function<void()> fn) { impl_->scheduler.inject(std::move(fn)); }

void Desktop::runRealTime() {
    if (!impl_->options.realTime) fatal("runRealTime on a desktop made for virtual time");
    impl_->scheduler.drive(nullptr, std::numeric_limits<std::int64_t>::max(), {.untilStopped = true});
    impl_->scheduler.clearStop();
}

void Desktop::stop() { impl_->scheduler.requestStop(); }

std::int64_t Desktop::virtualMs() const { return impl_->scheduler.now(); }

void Desktop::setUser(User* user) { impl_->user = user; }

User* Desktop::user() const { return impl_->user; }

}  // namespace sim

namespace sim {

namespace {

// Waiting for messages with none to take: no posted message, no send, no
// timer due.
bool threadIdle(Desktop::Impl& d, const SimThread& t) {
    if (t.state != ThreadState::WaitingMessage || !t.posted.empty() || !t.incoming.empty() || t.quitPending)
        return false;
    const Timer* timer = d.timers.earliest(t);
    return !(timer && timer->due.time <= d.scheduler.now());
}

}  // namespace

bool Desktop::programIdle(const std::string& program) const {
    Impl& d = *impl_;
    bool any = false;
    for (SimThread* t : d.scheduler.threads()) {
        if (t->isHarness || t->state == ThreadState::Finished || d.programOf(*t) != program) continue;
        any = true;
        if (!threadIdle(d, *t)) return false;
    }
    return any;
}

bool Desktop::windowThreadIdle(plat::Hwnd window) const {
    Impl& d = *impl_;
    const Window* w = d.windows.find(window);
    return w != nullptr && w->alive && w->thread != nullptr && w->thread->state != ThreadState::Finished &&
           threadIdle(d, *w->thread);
}

std::vector<plat::Hwnd> Desktop::modalWindows(const std::string& program) const {
    Impl& d = *impl_;
    std::vector<plat::Hwnd> open;
    for (Window* w : d.windows.live()) {
        if (w->alive && w->modal.running && w->thread && d.programOf(*w->thread) == program) open.push_back(w->hwnd);
    }
    return open;
}

}  // namespace sim

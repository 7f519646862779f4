#include "platform/sim/scheduler.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>

namespace sim {

namespace {
thread_local SimThread* tlsThread = nullptr;
constexpr plat::ThreadId kHarnessThreadId = 1;
}  // namespace

void fatal(const char* what) {
    std::fprintf(stderr, "simulated desktop: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

Scheduler::Scheduler(bool realTime, int speed)
    : realTime_(realTime), speed_(std::max(speed, 1)), wallStart_(std::chrono::steady_clock::now()) {
    harness_.id = kHarnessThreadId;
    harness_.isHarness = true;
    harness_.state = ThreadState::Running;
}

Scheduler::~Scheduler() { shutdown(); }

void Scheduler::setHooks(TimerSource timers, EndHook ended) {
    timerSource_ = std::move(timers);
    endHook_ = std::move(ended);
}

SimThread* Scheduler::simulated() { return tlsThread; }

SimThread& Scheduler::current() { return tlsThread ? *tlsThread : harness_; }

SimThread& Scheduler::spawn(ProgramId program, std::function<void()> body) {
    auto owned = std::make_unique<SimThread>();
    SimThread& t = *owned;
    t.id = nextThreadId_++;
    t.program = program;
    t.body = std::move(body);
    threads_.emplace(t.id, std::move(owned));
    makeReady(t, {now(), nextSeq()});
    t.os = std::thread([this, &t] { threadMain(t); });
    return t;
}

void Scheduler::threadMain(SimThread& t) {
    tlsThread = &t;
    {
        std::unique_lock lock(mu_);
        t.turn.wait(lock, [&] { return running_ == &t; });
    }
    if (!t.cancelled) {
        try {
            t.body();
        } catch (const ThreadCancelled&) {
        }
    }
    t.ending = true;
    t.body = nullptr;  // captured objects go while the thread still holds the turn
    if (endHook_) endHook_(t);
    std::unique_lock lock(mu_);
    t.state = ThreadState::Finished;
    running_ = nullptr;
    harnessWake_.notify_all();
}

bool Scheduler::threadAlive(plat::ThreadId id) const { return threads_.count(id) != 0; }

bool Scheduler::programAlive(ProgramId program) const {
    for (const auto& [id, t] : threads_) {
        if (t->program == program && t->state != ThreadState::Finished) return true;
    }
    return false;
}

std::vector<SimThread*> Scheduler::threads() {
    std::vector<SimThread*> all;
    for (auto& [id, t] : threads_) all.push_back(t.get());
    return all;
}

void Scheduler::makeReady(SimThread& thread, EventKey key) {
    thread.state = ThreadState::Ready;
    ready_.insert({key, &thread});
}

bool Scheduler::block(SimThread& self, ThreadState waitState) {
    auto unwind = [&] {
        // Never out of a destructor: only a thread still in its function
        // and not already unwinding is unwound by throwing.
        if (std::uncaught_exceptions() == 0 && !self.ending) throw ThreadCancelled{};
        return false;
    };
    if (self.cancelled) return unwind();
    {
        std::unique_lock lock(mu_);
        self.state = waitState;
        running_ = nullptr;
        // Woken after the lock is released, so the harness does not wake
        // only to wait for the lock (the predicates are checked under it).
        lock.unlock();
        harnessWake_.notify_all();
        lock.lock();
        self.turn.wait(lock, [&] { return running_ == &self; });
    }
    if (self.cancelled) return unwind();
    return true;
}

bool Scheduler::sleep(SimThread& self, std::uint32_t ms) {
    Waiting w{{now() + static_cast<std::int64_t>(ms), nextSeq()}, &self};
    sleepers_.insert(w);
    const bool ok = block(self, ThreadState::Sleeping);
    sleepers_.erase(w);  // (a cancelled thread's entry goes when it is reaped)
    return ok;
}

void Scheduler::wakeFromMessageWait(SimThread& thread) {
    if (thread.state == ThreadState::WaitingMessage) makeReady(thread, {now(), nextSeq()});
}

void Scheduler::wakeFromAnyWait(SimThread& thread) {
    if (thread.state == ThreadState::WaitingMessage || thread.state == ThreadState::WaitingReply) {
        makeReady(thread, {now(), nextSeq()});
    }
}

void Scheduler::schedule(std::int64_t at, std::function<void()> onDue) {
    actions_.emplace(EventKey{std::max(at, now()), nextSeq()}, std::move(onDue));
}

void Scheduler::giveTurn(SimThread& thread) {
    std::unique_lock lock(mu_);
    thread.state = ThreadState::Running;
    running_ = &thread;
    lock.unlock();
    thread.turn.notify_one();
    lock.lock();
    harnessWake_.wait(lock, [&] { return running_ == nullptr; });
}

void Scheduler::runNext() {
    SimThread& t = *ready_.begin()->thread;
    ready_.erase(ready_.begin());
    if (realTime_) syncWallClock();
    giveTurn(t);
    if (t.state == ThreadState::Finished) reap(t);
}

void Scheduler::forget(SimThread& thread) {
    for (auto* set : {&ready_, &sleepers_}) {
        for (auto it = set->begin(); it != set->end();) {
            it = it->thread == &thread ? set->erase(it) : std::next(it);
        }
    }
}

void Scheduler::reap(SimThread& thread) {
    if (thread.os.joinable()) thread.os.join();
    forget(thread);
    threads_.erase(thread.id);
}

std::optional<EventKey> Scheduler::nextEvent() {
    std::optional<EventKey> next;
    auto consider = [&](const EventKey& k) {
        if (!next || k < *next) next = k;
    };
    if (!sleepers_.empty()) consider(sleepers_.begin()->key);
    if (!actions_.empty()) consider(actions_.begin()->first);
    if (timerSource_) {
        for (auto& [id, t] : threads_) {
            if (t->state != ThreadState::WaitingMessage) continue;
            if (auto k = timerSource_(*t)) consider(*k);
        }
    }
    return next;
}

void Scheduler::wakeDue(std::int64_t upTo) {
    // Everything due, in (time, sequence) order.
    struct Due {
        EventKey key;
        SimThread* thread;              // sleeper or timer wake
        std::function<void()> action;   // scheduled action
    };
    std::vector<Due> due;
    while (!sleepers_.empty() && sleepers_.begin()->key.time <= upTo) {
        due.push_back({sleepers_.begin()->key, sleepers_.begin()->thread, {}});
        sleepers_.erase(sleepers_.begin());
    }
    while (!actions_.empty() && actions_.begin()->first.time <= upTo) {
        due.push_back({actions_.begin()->first, nullptr, std::move(actions_.begin()->second)});
        actions_.erase(actions_.begin());
    }
    if (timerSource_) {
        for (auto& [id, t] : threads_) {
            if (t->state != ThreadState::WaitingMessage) continue;
            if (auto k = timerSource_(*t); k && k->time <= upTo) due.push_back({*k, t.get(), {}});
        }
    }
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.key < b.key; });
    for (Due& d : due) {
        if (d.thread) {
            makeReady(*d.thread, d.key);
        } else {
            d.action();
        }
    }
}

void Scheduler::inject(std::function<void()> fn) {
    {
        std::lock_guard lock(mu_);
        injected_.push_back(std::move(fn));
    }
    harnessWake_.notify_all();
}

void Scheduler::requestStop() {
    {
        std::lock_guard lock(mu_);
        stopRequested_ = true;
    }
    harnessWake_.notify_all();
}

void Scheduler::clearStop() {
    std::lock_guard lock(mu_);
    stopRequested_ = false;
}

void Scheduler::runInjected() {
    std::vector<std::function<void()>> batch;
    {
        std::lock_guard lock(mu_);
        batch.swap(injected_);
    }
    for (auto& fn : batch) fn();
}

void Scheduler::syncWallClock() {
    auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
                       std::chrono::steady_clock::now() - wallStart_)
                       .count() * speed_ / 1000;
    if (elapsed > now()) virtual_.store(elapsed, std::memory_order_relaxed);
}

void Scheduler::waitWall(std::optional<std::int64_t> untilMs) {
    std::unique_lock lock(mu_);
    auto woken = [&] { return !injected_.empty() || stopRequested_; };
    if (!untilMs) {
        harnessWake_.wait(lock, woken);
    } else {
        // The wall moment the virtual clock reaches untilMs, rounded up (a
        // wait of over a year is cut short: the loop simply waits again).
        constexpr std::int64_t kLongestWaitMs = 365LL * 24 * 3'600'000;
        const std::int64_t until = std::min(*untilMs, now() + kLongestWaitMs);
        const std::int64_t wallUs = (until * 1000 + speed_ - 1) / speed_;
        harnessWake_.wait_until(lock, wallStart_ + std::chrono::microseconds(wallUs), woken);
    }
}

Scheduler::End Scheduler::drive(const std::function<bool()>& pred, std::int64_t deadline,
                                DriveMode mode) {
    if (tlsThread) fatal("the desktop was driven from a simulated thread");
    for (;;) {
        runInjected();
        if (pred && pred()) return End::Predicate;
        if (mode.untilStopped) {
            std::lock_guard lock(mu_);
            if (stopRequested_) return End::Stopped;
        }
        if (!ready_.empty()) {
            runNext();
            continue;
        }
        if (realTime_) syncWallClock();
        std::optional<EventKey> next = nextEvent();
        if (next && next->time <= now()) {
            wakeDue(now());
            continue;
        }
        if (!next && mode.returnWhenIdle) return End::Idle;
        if (now() >= deadline) return End::Deadline;
        if (realTime_) {
            std::optional<std::int64_t> until;
            if (next) until = next->time;
            if (deadline != std::numeric_limits<std::int64_t>::max()) {
                until = until ? std::min(*until, deadline) : deadline;
            }
            waitWall(until);
            continue;
        }
        std::int64_t target = next ? std::min(next->time, deadline) : deadline;
        virtual_.store(target, std::memory_order_relaxed);
        if (next && next->time <= target) wakeDue(target);
    }
}

void Scheduler::shutdown() {
    if (tlsThread) fatal("the desktop was destroyed from a simulated thread");
    // The newest thread first: a thread a program started (its worker) may
    // use what lives on the stack of the one that started it, so it unwinds
    // while that is still there.
    for (;;) {
        SimThread* victim = nullptr;
        for (auto it = threads_.rbegin(); it != threads_.rend(); ++it) {
            if (it->second->state != ThreadState::Finished) {
                victim = it->second.get();
                break;
            }
        }
        if (!victim) break;
        victim->cancelled = true;
        forget(*victim);
        giveTurn(*victim);
        if (victim->state == ThreadState::Finished) {
            reap(*victim);
        } else {
            fatal("a cancelled simulated thread kept running");
        }
    }
    actions_.clear();
}

}  // namespace sim

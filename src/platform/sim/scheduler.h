// The scheduler: simulated threads take turns, one at a time, on a virtual
// clock.
//
// Each simulated thread is a real thread that runs only while it holds the
// turn.  The harness thread drives the scheduler (drive): it hands the turn to
// the first ready thread and waits until that thread blocks (sleep, waiting
// for messages, waiting for a send's reply) or ends.  Ready threads run in
// the order of the virtual time they became ready, ties by a sequence number,
// so runs are deterministic.  When nothing is ready the clock jumps to the
// next event: a sleep's end, a due timer of a thread waiting for messages, or
// a scheduled action.  In real-time mode the clock follows the wall clock and
// the scheduler waits on a condition variable until the next event or an
// injected action; at a speed above 1 the virtual clock runs that many times
// faster than the wall clock.
#pragma once

#include <atomic>
#include <compare>
#include <condition_variable>  // also brings std::chrono's clocks; <chrono> itself cannot be
                               // compiled with a CP932 execution charset (its "µs" literal)
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "platform/sim/sim_thread.h"

namespace sim {

// When something happens: virtual time, then the order it was arranged in.
struct EventKey {
    std::int64_t time = 0;
    std::uint64_t seq = 0;
    auto operator<=>(const EventKey&) const = default;
};

class Scheduler {
public:
    // The earliest timer of a thread waiting for messages (none: no timer).
    using TimerSource = std::function<std::optional<EventKey>(const SimThread&)>;
    // Called on a thread that is ending, while it still holds the turn.
    using EndHook = std::function<void(SimThread&)>;

    // speed: virtual milliseconds per wall millisecond in real-time mode.
    explicit Scheduler(bool realTime, int speed = 1);
    ~Scheduler();
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;
    void setHooks(TimerSource timers, EndHook ended);

    std::int64_t now() const { return virtual_.load(std::memory_order_relaxed); }
    std::uint64_t nextSeq() { return ++seq_; }

    // The simulated thread this code runs on, or null on the harness (any
    // thread that is not simulated).
    static SimThread* simulated();
    SimThread& harness() { return harness_; }
    SimThread& current();

    // A new thread, ready to run now (after those already ready).
    SimThread& spawn(ProgramId program, std::function<void()> body);
    bool threadAlive(plat::ThreadId id) const;
    bool programAlive(ProgramId program) const;
    std::vector<SimThread*> threads();

    // Blocking, on the calling simulated thread.  They return false only
    // while the thread unwinds after cancellation; otherwise cancellation
    // throws ThreadCancelled.
    bool sleep(SimThread& self, std::uint32_t ms);
    bool block(SimThread& self, ThreadState waitState);

    // Makes a thread blocked in one of the given waits ready.
    void wakeFromMessageWait(SimThread& thread);
    void wakeFromAnyWait(SimThread& thread);  // message wait or reply wait

    // Runs onDue on the harness when the clock reaches `at`.
    void schedule(std::int64_t at, std::function<void()> onDue);

    enum class End { Predicate, Idle, Deadline, Stopped };
    struct DriveMode {
        bool returnWhenIdle = false;
        bool untilStopped = false;
    };
    // Harness only.  Runs until pred() holds, nothing is left to do
    // (returnWhenIdle), the virtual deadline passes, or stop is requested
    // (untilStopped).
    End drive(const std::function<bool()>& pred, std::int64_t deadline, DriveMode mode);

    // Any thread: queue fn to run on the harness between turns.
    void inject(std::function<void()> fn);
    void requestStop();
    void clearStop();

    // Ends every simulated thread (blocked ones unwind), newest first, and
    // joins them.
    void shutdown();

private:
    struct Waiting {
        EventKey key;
        SimThread* thread;
        bool operator<(const Waiting& o) const { return key < o.key; }
    };
    void makeReady(SimThread& thread, EventKey key);
    void giveTurn(SimThread& thread);
    void runNext();
    void reap(SimThread& thread);
    void forget(SimThread& thread);
    void threadMain(SimThread& thread);
    std::optional<EventKey> nextEvent();
    void wakeDue(std::int64_t upTo);
    void runInjected();
    void syncWallClock();
    void waitWall(std::optional<std::int64_t> untilMs);

    const bool realTime_;
    const int speed_;
    const std::chrono::steady_clock::time_point wallStart_;
    std::atomic<std::int64_t> virtual_{0};
    std::uint64_t seq_ = 0;
    plat::ThreadId nextThreadId_ = 0x10;

    SimThread harness_;
    std::map<plat::ThreadId, std::unique_ptr<SimThread>> threads_;
    std::set<Waiting> ready_;
    std::set<Waiting> sleepers_;
    std::map<EventKey, std::function<void()>> actions_;
    TimerSource timerSource_;
    EndHook endHook_;

    // Guards the hand-over of the turn, the injected actions and the stop
    // request; everything else belongs to whoever holds the turn.
    std::mutex mu_;
    std::condition_variable harnessWake_;
    SimThread* running_ = nullptr;  // null: the harness holds the turn
    std::vector<std::function<void()>> injected_;
    bool stopRequested_ = false;
};

// Stops the process with a message: a misuse of the desktop by its harness.
[[noreturn]] void fatal(const char* what);

}  // namespace sim

// How long the client takes.  The ideal client does everything at once: a
// form is there, complete, the moment it is asked for, every click and key
// takes effect when it arrives, and a transfer takes 2.5 s.  The strict
// client (the default) takes its time as a real one does, each delay drawn
// from its own seeded source, so a run can be replayed:
//
// - a form appears a little after it is asked for, and its window shows
//   before its controls, which are created one after the other over a few
//   hundred milliseconds (a search may find a half-built form);
// - each click and key is processed after a short latency (the client's
//   thread is busy meanwhile, so sends to it wait too);
// - a transfer takes a few seconds.
//
// The "slow-open" fault makes forms later still, in either client (its delay
// takes the place of the strict client's own).
#pragma once

#include <cstdint>

#include "betclient/centre/rng.h"
#include "platform/wintypes.h"

namespace betclient {

constexpr std::uint64_t kDefaultTimingSeed = 0x5EED0C11E47ull;

struct ClientBehaviour {
    bool ideal = false;
    std::uint64_t seed = kDefaultTimingSeed;
};

class ClientTiming {
public:
    explicit ClientTiming(const ClientBehaviour& behaviour);

    bool ideal() const { return ideal_; }
    // Before a form's window appears.
    std::uint32_t formDelayMs();
    // Before each control of a form is created.
    std::uint32_t controlPauseMs();
    // Before a click or key on a control is processed.
    std::uint32_t inputLatencyMs();
    // A transfer on the 通信 form.
    std::uint32_t transferMs();

    // Makes the control's mouse buttons and keys take inputLatencyMs (the
    // strict client only).
    void slowDownInput(plat::Hwnd control);

private:
    bool ideal_;
    centre::Rng rng_;
};

}  // namespace betclient

// Message pumping for the conformance tests: the program's thread handles
// its messages until a state holds, with a bound.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/clock.h"
#include "platform/window.h"

namespace conformance {

// Handles the calling thread's messages until done() holds or boundMs have
// passed; returns done().  Polls in short sleeps, never waits a guessed time.
inline bool pumpUntil(const std::function<bool()>& done, std::uint32_t boundMs = 5000) {
    constexpr std::uint32_t kPollMs = 5;
    const std::uint32_t start = plat::tickCount();
    for (;;) {
        plat::Msg msg;
        while (plat::peekMessage(msg, true)) plat::dispatchMessage(msg);
        if (done()) return true;
        if (plat::tickCount() - start >= boundMs) return false;
        plat::sleep(kPollMs);
    }
}

}  // namespace conformance

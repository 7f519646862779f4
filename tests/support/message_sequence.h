// Expected message sequences as data, as window-system conformance tests
// state them: rows of message, wParam, lParam and the virtual time since
// the row before, checked by one call that names the first mismatch.
//
// The messages come from the desktop's spy (Desktop::recordMessagesTo):
// every message that reached a top-level window of the program.  Only the
// messages some row names are compared, so a row list states the order of
// what matters and ignores the rest.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <vector>

#include "platform/sim/desktop.h"

namespace testsupport {

constexpr plat::Wparam kAnyWparam = std::numeric_limits<plat::Wparam>::max();
constexpr plat::Lparam kAnyLparam = std::numeric_limits<plat::Lparam>::min();
constexpr std::int64_t kAnyGap = -1;

struct MessageRow {
    plat::Uint message = 0;
    plat::Wparam wParam = kAnyWparam;
    plat::Lparam lParam = kAnyLparam;
    std::int64_t gapMs = kAnyGap;  // virtual ms since the row before (the first: since `since`)
};

// The messages that reached `window` (any top-level window of the watched
// program when 0) from trace position `from` on, restricted to the message
// numbers the rows name (and those of alsoWatched, which must then not
// appear beyond the rows), compared row by row.  The first mismatch, a
// missing message or an extra one fails with its position and both sides.
::testing::AssertionResult MessagesMatch(const sim::Desktop& desktop, plat::Hwnd window,
                                         const std::vector<MessageRow>& rows, std::size_t from = 0,
                                         std::int64_t since = 0, const std::set<plat::Uint>& alsoWatched = {});

}  // namespace testsupport

// The wait cursor: the desktop draws no cursor, so only the nesting is kept.
#include <atomic>

#include "platform/dialog.h"

namespace plat {
namespace {

std::atomic<int> waitCursorDepth{0};

}  // namespace

void beginWaitCursor() { ++waitCursorDepth; }

void endWaitCursor() {
    if (waitCursorDepth > 0) --waitCursorDepth;
}

}  // namespace plat

// The counters of the bet list shown in the status box: bet lines and their
// sum in yen.  Rendering and the importers set them on the window thread; the
// BetRunner thread recomputes them per group while a run lasts.
#pragma once

#include <atomic>

namespace base {

struct ListCounters {
    std::atomic<int> listCount{0};
    std::atomic<int> listTotal{0};
};

}  // namespace base

// The state that belongs to the bet list: the parsed table, the counters
// shown in the status box and the importers' header state.
#pragma once

#include <atomic>

#include "betdata/bet_table.h"

namespace betdata {

struct BetListState {
    // Rebuilt from the bet list text by every parse; the text is authoritative.
    BetTable table;
    // Bet lines in the list and their sum in yen.  Rendering and the
    // importers set them on the window thread; the BetRunner thread
    // recomputes them per batch while a run lasts.
    std::atomic<int> listCount{0};
    std::atomic<int> listTotal{0};
    // Month and day of the last import header.
    int headerMonth = 0;
    int headerDay = 0;
    // Set when the user answered No to an import's date or meeting question.
    bool importCancelled = false;
};

}  // namespace betdata

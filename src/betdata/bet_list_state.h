// The state that belongs to the bet list: the parsed table, the counters
// shown in the status box and the importers' header state.
#pragma once

#include "base/list_counters.h"
#include "betdata/bet_table.h"
#include "betdata/unmovable_bet_files.h"

namespace betdata {

// The bets the centre refused since the program started, for the status box.
struct RefusedTally {
    int count = 0;
    int totalYen = 0;
};

struct BetListState : base::ListCounters {
    // Rebuilt from the bet list text by every parse; the text is authoritative.
    BetTable table;
    // Month and day of the last import header.
    int headerMonth = 0;
    int headerDay = 0;
    // Set when the user answered No to an import's date or meeting question.
    bool importCancelled = false;
    // Bets refused by the centre (in AUTO mode they leave the list at once).
    RefusedTally refused;
    // Loaded bet files that could be neither renamed nor removed.
    UnmovableBetFiles unmovableFiles;
    // Bet files too long for the staging edit: none of their bets was taken.
    UnmovableBetFiles tooLongFiles;
};

}  // namespace betdata

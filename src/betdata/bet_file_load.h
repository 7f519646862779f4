// Loading a bet file into the BetList: copied into the bet log, staged,
// imported, then renamed to ".Sav" or removed so that it is not offered
// again.
#pragma once

#include <string>

#include "betdata/bet_data_context.h"

namespace betdata {

// Loads one bet file; loading adds to the BetList, which is never emptied
// first.  Nothing happens when the bet log or the file cannot be opened, or
// when the file is one whose bets were loaded before but which could be
// neither renamed nor removed.  False when nothing was loaded.
bool LoadBetFile(BetDataContext& context, const std::string& path);

}  // namespace betdata

// Loading a bet file into the BetList: copied into the bet log, staged,
// imported, then renamed to ".Sav" or removed so that it is not offered
// again.
#pragma once

#include <string>

#include "betdata/bet_data_context.h"

namespace betdata {

constexpr const char* kTextBetFileTooLong =
    "ベットファイルが大きすぎるか不正な文字を含むため、全体を読み込めません。\r"
    "このファイルは読み込みません。";

// Loads one bet file; loading adds to the BetList, which is never emptied
// first.  Nothing happens when the bet log or the file cannot be opened, or
// when the file is one whose bets were loaded before but which could be
// neither renamed nor removed.  A file whose text the staging edit cannot
// hold whole is not taken at all (its last lines would be lost, and a line
// cut short could be read with another amount): the user is told once, the
// file stays where it is and is not taken again while it is unchanged.
// False when nothing was loaded.
bool LoadBetFile(BetDataContext& context, const std::string& path);

}  // namespace betdata

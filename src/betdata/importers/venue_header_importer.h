// Bet text headed by a venue line such as "東京 98年12月 5日 5回 2日",
// followed by data lines holding one or more bets each
// (" 11R 馬連 3-5 1000  12R 単勝 7 12.5 300") and total lines ("合計").
#pragma once

#include <span>
#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

// Converts the staged lines and writes each bet line to the bet list as it
// is produced.
ImportEnd ImportVenueHeaderText(std::span<const std::string> lines, ImportHost& host);

}  // namespace betdata

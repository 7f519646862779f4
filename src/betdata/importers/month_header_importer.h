// Bet text headed by a date line such as "12月 5日 5回東京 2日", with one
// bet per line in fixed columns:
//
//   bytes 0..2   race ("11R"; a line without 'R' in byte 2 keeps the race)
//   bytes 6..9   kind name (a line without one keeps the kind)
//   bytes 15..19 number(s), "%d - %d"
//   byte 30..    amount in yen
#pragma once

#include <span>
#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

// Converts the staged lines; the bet lines are appended together at the end.
ImportEnd ImportMonthHeaderText(std::span<const std::string> lines, ImportHost& host);

}  // namespace betdata

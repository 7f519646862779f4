// ダブマン (Dbmn) data: a header per race ("東京【11Ｒ】  +++ …", digits
// possibly full-width) and one line per pair chosen by several programs:
// "  <12ｿﾌﾄ >03-05[ 45]" (agreement count, 馬連 pair, a value not used) or
// "  <10ｿﾌﾄ >36[ 12]" (a two-digit 枠連 entry: brackets 3 and 6).
#pragma once

#include <span>
#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

// The options of the Dbmn import dialog (Settings "Dbmn …").
struct DbmnOptions {
    int minAgreement = 9;  // "Dbmn Soft": take pairs chosen at least this often
    int amount = 100;      // "Dbmn Kingaku": yen per bet
};

// Converts the staged lines; the bet lines are appended together at the end.
ImportEnd ImportDbmnText(std::span<const std::string> lines, const DbmnOptions& options,
                         ImportHost& host);

}  // namespace betdata

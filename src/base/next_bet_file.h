// Which bet file is expected next in the bet-file directory.
#pragma once

#include <optional>
#include <string>

#include "base/path_helpers.h"

namespace base {

// Works out the bet file expected next in the bet-file directory (the
// directory part of betFileSetting, Settings "Bet File Dir") and stores it as
// current.path.  The day comes from date, or, when none is given, from the
// first six bytes of the current file name (YYMMDD).  In order of
// preference: the newest "YYMMDD*.BET", the newest "YYMMDD*.TGP", the file
// after the newest loaded "YYMMDDNN.SAV" ("YYMMDD(NN+1).BET"), else
// "YYMMDD01.Bet".  Returns false, leaving current unchanged, when the path
// would be too long.
bool NextBetFilePath(CurrentBetFile& current, const std::string& betFileSetting,
                     std::optional<BetFileDate> date);

}  // namespace base

// The import dispatcher over the main window's staging edit: its text (a
// loaded bet file or a paste) is converted by the matching importer into
// BetList lines, or moved into the BetList as plain bet text.
#pragma once

#include "betdata/bet_data_context.h"

namespace betdata {

// Examines the staging edit and runs one importer or the plain path.  The
// import-cancelled flag of the bet-list state carries the only outcome.
void ImportStagedText(BetDataContext& context);

}  // namespace betdata

// The program's part of the terminal's status line.
#pragma once

#include <string>

#include "base/run_control.h"
#include "driver/run_progress.h"

namespace tui {

// AUTO or MANU, the run state and, while a run goes on, how far it has got:
// "MANU  running  bet 3 of 10  group 1 of 1  amount".
std::string ProgramStatus(const base::RunControl& run, const driver::RunProgress& progress);

}  // namespace tui

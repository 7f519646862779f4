// What `ornel sim payout` and `ornel report` print after the boxes: the
// day's bet log as the run left it, the payout report when the run wrote
// it, and the day's purchase and payout.
#pragma once

#include <string>

#include "app/application.h"
#include "frontends/cli/batch_host.h"

namespace cli {

// The payout report the run will write: its path (as the program names it)
// and its mark before the run.
struct ReportBefore {
    std::string path;
    FileMark mark;
};
// Taken once the voting terms are read (they date the report).
ReportBefore MarkPayoutReport(ProgramFiles& files, const app::Application& program);

// "betlog" and the day's bet log, "report" and the report when it was
// written since `before`, "today-purchase N" and "today-payout N" (yen).
void PrintPayoutOutcome(ProgramFiles& files, const app::Application& program, const ReportBefore& before,
                        bool utf8);

}  // namespace cli

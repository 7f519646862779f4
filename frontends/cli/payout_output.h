// What `ornel sim payout` and `ornel report` print after the boxes: the
// day's bet log as the run left it, the payout report when the run wrote
// it, and the day's purchase and payout.
#pragma once

#include <cstdint>
#include <string>

#include "app/application.h"
#include "frontends/simhome/ornel_desktop.h"

namespace cli {

// A file on the desktop as it stands, to tell afterwards whether a run
// wrote it: every write changes the host file's change time (or, when the
// file is replaced, its inode), even when the bytes and the virtual
// last-write time come out the same as before.
struct FileMark {
    bool exists = false;
    std::uint64_t inode = 0;
    std::int64_t changeSeconds = 0;
    long changeNanoseconds = 0;
    friend bool operator==(const FileMark&, const FileMark&) = default;
};
FileMark MarkFile(simhome::OrnelDesktop& desk, const std::string& path);

// The payout report the run will write: its path (as the program names it)
// and its mark before the run.
struct ReportBefore {
    std::string path;
    FileMark mark;
};
// Taken once the voting terms are read (they date the report).
ReportBefore MarkPayoutReport(simhome::OrnelDesktop& desk, const app::Application& program);

// "betlog" and the day's bet log, "report" and the report when it was
// written since `before`, "today-purchase N" and "today-payout N" (yen).
void PrintPayoutOutcome(simhome::OrnelDesktop& desk, const app::Application& program, const ReportBefore& before,
                        bool utf8);

}  // namespace cli

// Entries of the daily bet log "BT%y%m%d.LOG" (its path: BetLogPath): every
// loaded bet file and every paste is appended as an entry with a dated
// header.  The log is opened for one entry at a time.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/next_bet_file.h"
#include "platform/files.h"

namespace betdata {

class BetLogEntry {
public:
    enum class Kind { Load, Paste };

    // Opens the day's log (date of clock) for append; false when it cannot
    // be opened.
    bool open(const base::CurrentBetFile& betFile, std::int64_t clock);
    // "\nLOAD BET FILE %y/%m/%d %H:%M:%S\n" or "\nPASTE BET DATA …\n".
    void writeHeader(Kind kind, std::int64_t clock);
    // Text exactly as given (a loaded file's line keeps its own "\n").
    void write(const std::string& text) { file_.write(text); }
    void close() { file_.close(); }

private:
    plat::TextFile file_;
};

// The paste entry: its header, then every line of the staging edit as it
// stands after the import (lines without their line breaks; the empty line
// after a final line break is no line of text), each cut at its first CR
// and ended with "\n".  A log that cannot be opened is skipped silently.
void WritePasteEntry(const base::CurrentBetFile& betFile, std::int64_t clock,
                     std::span<const std::string> stagedLines);

}  // namespace betdata

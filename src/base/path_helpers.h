// The small path and number helpers that the bet-file, bet-log and
// client-file code share, and the current bet file whose directory they
// work in.
//
// Paths are Shift-JIS bytes of at most plat::maxPath - 1 bytes.  They use the
// host's separator; '\' is accepted as well.  A helper whose result would be
// longer than that refuses and leaves its input as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The bet file expected next (it may not exist yet).  Empty at start; only
// NextBetFilePath sets it.  Its directory is the bet-file directory that the
// bet log and the timer-bet files use.
struct CurrentBetFile {
    std::string path;
};

// A race day as bet-file names carry it.
struct BetFileDate {
    int year = 0;  // reduced modulo 100 where it is used
    int month = 0;
    int day = 0;
};

// The decimal value of the first n bytes of text, read as atoi reads them
// (leading blanks, an optional sign, then digits; 0 when there are none).
int NumberAt(std::string_view text, std::size_t n);

// Upper-cases the ASCII letters of text in place and returns it.  Only
// single-byte characters change: the trail byte of a double-byte character
// may look like a lower-case letter ("ヂ" is 0x83 0x61) and is left alone,
// so Japanese names survive.
std::string& UpperCase(std::string& text);

// Rebuilds path from its drive, directory, file name and extension:
// - name given: the file name becomes name (which may carry its own
//   extension) and the old extension is dropped;
// - extension given (with or without its dot): the file name is kept and the
//   extension replaced (after a given name, it is added to that name);
// - neither: only drive and directory remain.
// Double-byte characters whose trail byte is '\' stay whole.  Returns false,
// leaving path unchanged, when the result would be too long.
bool ReplacePathPart(std::string& path, const char* name, const char* extension = nullptr);

// The newest file matching a wildcard pattern ('*', '?', case-insensitive):
// pattern becomes the pattern's drive and directory joined with the name of
// the matching file with the latest last-write time (on equal times the
// first one listed).  Directories are not considered.  Returns false, leaving
// pattern unchanged, when nothing matches.
bool NewestMatch(std::string& pattern);

// True when a file matching path (wildcards allowed; the first match is
// taken) exists and is not empty.
bool FileHasData(const std::string& path);

// The day's bet log "BTYYMMDD.LOG" in the directory of the current bet file,
// for the local date of clock (the program clock).  Empty when the path would
// be too long.
std::string BetLogPath(const CurrentBetFile& current, std::int64_t clock);

}  // namespace base

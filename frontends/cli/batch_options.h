// The arguments the batch commands on bet text share (`ornel parse`,
// `ornel import`, `ornel load`), and reading their bet text.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "frontends/cli/commands.h"
#include "frontends/cli/terminal_encoding.h"

namespace cli {

struct BatchOptions {
    TerminalEncoding encoding;  // --utf8, --sjis
    int answer = 0;          // the answer to Yes/No boxes (IDYES unless --answer no)
    std::string ini;         // the settings profile, only read
    std::string clientDir;   // whose voting terms are read (needs --now)
    std::string betDir;      // --bet-dir (ornel load)
    bool hasNow = false;
    std::int64_t now = 0;    // the program clock
    std::string file;        // the one operand, "" when absent
};

// A flag of one command only ("--merge").
struct ExtraFlag {
    const char* name;
    bool* value;
};

// Reads --utf8, --sjis, --answer yes|no, --ini FILE, --client-dir DIR,
// --now "YYYY-MM-DD HH:MM", with withBetDir also --bet-dir DIR (then
// required), the extra flags, and at most one FILE.  False with a one-line
// reason.
bool readBatchOptions(const Args& args, bool withBetDir, BatchOptions& options, std::string& error,
                      std::initializer_list<ExtraFlag> extraFlags = {});

// The bet text of FILE (standard input when it is empty or "-") as the list
// edit takes it (see betTextFromInput).  The --ini profile must be readable
// too.  False with a one-line reason.
bool readBetText(const BatchOptions& options, std::string& text, std::string& error);

}  // namespace cli

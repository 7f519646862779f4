// The arguments `ornel import` and `ornel load` share.
#pragma once

#include <cstdint>
#include <string>

#include "frontends/cli/commands.h"

namespace cli {

struct BatchOptions {
    bool utf8 = false;
    int answer = 0;          // the answer to Yes/No boxes (IDYES unless --answer no)
    std::string ini;         // the settings profile, only read
    std::string clientDir;   // whose voting terms are read (needs --now)
    std::string betDir;      // --bet-dir (ornel load)
    bool hasNow = false;
    std::int64_t now = 0;    // the program clock
    std::string file;        // the one operand, "" when absent
};

// Reads --utf8, --answer yes|no, --ini FILE, --client-dir DIR, --now
// "YYYY-MM-DD HH:MM", with withBetDir also --bet-dir DIR, and at most one
// FILE.  False with a one-line reason.
bool readBatchOptions(const Args& args, bool withBetDir, BatchOptions& options, std::string& error);

}  // namespace cli

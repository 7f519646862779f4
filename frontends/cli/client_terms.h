// The voting terms of a client directory, loaded as the end of the client's
// start-up loads them: the three terms files, then the check whether they
// are current (message 8145 when they are not).
#pragma once

#include <cstdint>
#include <string>

#include "base/notifier.h"
#include "base/voting_terms.h"

namespace cli {

// "Pat95 Dir" for a client directory given on the command line.
std::string clientExePath(const std::string& clientDir);

// Loads the terms of clientDir into terms and sets termsChecked from the
// program clock `clock`.
void loadClientTerms(const std::string& clientDir, base::VotingTerms& terms,
                     base::Notifier& notifier, std::int64_t clock);

}  // namespace cli

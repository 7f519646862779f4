// Reading the day's voting terms from the betting client's files Uy-a.Jra,
// Uy-b.Jra and Uy-c.Jra (one per meeting) in the client's directory, and the
// tests whether the terms are today's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/path_helpers.h"
#include "base/voting_terms.h"

namespace clientdata {

// Shows a message to the user (a message box in the program, standard error
// in the batch commands).
using ShowMessage = std::function<void(const std::string& text)>;

// What a terms read updates besides the terms, and where it looks.
struct TermsContext {
    base::VotingTerms& terms;
    base::CurrentBetFile& betFile;  // re-chosen for the terms date
    std::string betFileSetting;        // Settings "Bet File Dir"
    std::string raceCardSetting;       // Settings "Target Dir"
};

// Reads the first line of one terms file: the date and the account figures
// into the terms (rolling the running totals over when the date is new),
// the bet file expected for that date, the meeting and its 14 race blocks
// into meeting slot `slot` (0..2), then the start times from the race-card
// directory; marks the status box for redrawing.  False when the file cannot
// be opened; an empty file counts as found and changes nothing.
bool ReadTermsFile(TermsContext& context, const std::string& path, int slot);

// Reads the three terms files next to the client's executable into slots
// 0, 1 and 2.  Slots of missing files keep their contents; the date and the
// account figures come from the last file that exists.  When none of them
// opens, shows kTextTermsFilesMissing.
void LoadVotingTerms(TermsContext& context, const std::string& clientExePath, const ShowMessage& show);

// True when the terms in memory, or else the first line of Uy-a.Jra, carry
// the local date of clock (the program clock).
bool TermsFileIsToday(const base::VotingTerms& terms, const std::string& clientExePath, std::int64_t clock);

// True when the terms in memory carry the local date of now (the program
// clock) and its local hour is before 17:00, after which the day's sales are
// over.
bool AreTermsCurrent(const base::VotingTerms& terms, std::int64_t now);

}  // namespace clientdata

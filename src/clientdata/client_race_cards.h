// The betting client's own race-card files "De-%d%d%x.Jra" (venue code,
// 日目, race number in lower-case hexadecimal), one per meeting and race in
// the client's directory, written by its information screen.
#pragma once

#include <string>

#include "base/voting_terms.h"

namespace clientdata {

// "De-58a.Jra" for venue 5, 日目 8, race 10.
std::string ClientRaceCardFileName(int venueCode, int nichime, int race);

// Takes the start time of races 1..12 of every meeting in use from the
// client's race-card files next to its executable (Settings "Pat95 Dir"),
// where a file's first line names the meeting's venue, 回 and 日目.
// Missing or foreign files are skipped; raceCardDate is not touched.
void ReadClientRaceCards(base::VotingTerms& terms, const std::string& clientExePath);

}  // namespace clientdata

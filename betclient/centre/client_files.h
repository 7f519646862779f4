// Writing the client's files into its directory (ending in a separator):
// each line is formatted by the writer of its file kind and written here as
// a Windows text file through the platform, which stamps it with the clock
// of the program that writes it.
#pragma once

#include <string>

#include "betclient/centre/day.h"
#include "betclient/centre/voting.h"

namespace centre {

// "Uy-a.Jra", "Uy-b.Jra", "Uy-c.Jra", fetched at `fetchTime`.
bool writeTermsFiles(const std::string& directory, const Day& day, int fetchTime);
// "Lg-%02d.JRA" of the record's number.
bool writeVoteLog(const std::string& directory, const Day& day, const VoteRecord& record);
// The four payout files of a meeting, with the results out at `now`.
bool writePayoutFiles(const std::string& directory, const Day& day, const Meeting& meeting, int now);
// The twelve "De-" race cards of a meeting.
bool writeRaceCardFiles(const std::string& directory, const Day& day, const Meeting& meeting);
// A race-card data file (path given in full) with every race of the day.
bool writeDenFile(const std::string& path, const Day& day);

}  // namespace centre

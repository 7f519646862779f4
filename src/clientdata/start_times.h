// Start times (発走時刻) of a meeting's races from the day's race-card file
// in the race-card directory, looked up after every terms-file read.
#pragma once

#include <string>

#include "clientdata/race_card_line.h"
#include "base/voting_terms.h"

namespace clientdata {

// The day's start-time file for all venues ("YYMMDD全.den") and for one venue
// ("YYMMDD" + the venue's one-character name + ".den"); the latter is empty
// for a venue code outside 1..10.
std::string AllVenuesStartTimeFile(int year, int month, int day);
std::string VenueStartTimeFile(int year, int month, int day, int venueCode);

// Takes the start time of a race-card line for the slot's venue, races 1..12.
void TakeStartTime(base::MeetingTerms& slot, const RaceCardLine& line);

// Looks up the start times of meeting slot `slot` for the terms date in the
// directory of raceCardSetting (Settings "Target Dir"), and sets raceCardDate
// from the file name when it is still 0.  Returns false when neither file
// could be opened (nothing changes then).
bool LookUpStartTimes(base::VotingTerms& terms, int slot, const std::string& raceCardSetting);

}  // namespace clientdata

// Start times (発走時刻) from a race-card file the user chose: the race-card
// data file JRA#DEN1.DAT or a TARGET .DEN file, one race per line.
#pragma once

#include "base/voting_terms.h"
#include "platform/files.h"

namespace clientdata {

// Takes the start time of every line whose venue is held at one of the
// meetings, whose 回 and 日目 are that meeting's and whose race is 1..12
// into that race; races without such a line keep their start times.  The
// card's date (month * 100 + day) is the first non-zero date of its lines.
// When a line matched, raceCardDate becomes the card's date and the result
// is true; otherwise raceCardDate stays as it was (the card supplied no
// start time) and cardDate tells which day the card was for.
bool TakeRaceCardStartTimes(base::VotingTerms& terms, plat::TextFile& file, int& cardDate);

}  // namespace clientdata

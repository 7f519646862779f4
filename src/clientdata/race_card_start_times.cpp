#include "clientdata/race_card_start_times.h"

#include <cstdint>

#include "clientdata/race_card_line.h"
#include "clientdata/text_lines.h"

namespace clientdata {

namespace {

constexpr std::size_t kLineBuffer = 2048;

bool sameMeeting(const base::MeetingTerms& meeting, const RaceCardLine& line) {
    return line.kai == meeting.kai && line.nichime == meeting.nichime;
}

}  // namespace

bool TakeRaceCardStartTimes(base::VotingTerms& terms, plat::TextFile& file, int& cardDate) {
    cardDate = 0;
    bool matched = false;
    ForEachLine(file, kLineBuffer, [&](std::string_view text) {
        const RaceCardLine line = ParseRaceCardLine(text);
        if (cardDate == 0) cardDate = line.cardDate;
        const int slot = terms.slotOfVenue(line.venueCode);
        if (slot < 0) return;
        base::MeetingTerms& meeting = terms.meetings[slot];
        if (!sameMeeting(meeting, line) || line.race < 1 || line.race > base::kRacesPerDay) return;
        meeting.races[line.race - 1].startTime = static_cast<std::int16_t>(line.startTime);
        matched = true;
    });
    if (matched) terms.raceCardDate = static_cast<std::int16_t>(cardDate);
    return matched;
}

}  // namespace clientdata

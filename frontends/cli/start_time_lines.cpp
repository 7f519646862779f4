#include "frontends/cli/start_time_lines.h"

#include <cstdio>

namespace cli {

namespace {

// Four digits, or "0" for a value not known.
std::string fourDigitsOrZero(int value) {
    if (value == 0) return "0";
    char text[16];
    std::snprintf(text, sizeof text, "%04d", value);
    return text;
}

}  // namespace

std::string startTimeLines(const base::VotingTerms& terms) {
    std::string lines = "race-card-date " + fourDigitsOrZero(terms.raceCardDate) + "\n";
    for (int s = 0; s < base::kMeetingSlots; ++s) {
        const base::MeetingTerms& m = terms.meetings[s];
        if (m.venueCode == 0) continue;
        for (int r = 0; r < base::kRacesPerDay; ++r)
            lines += "slot " + std::to_string(s) + " race " + std::to_string(r + 1) + " start " +
                     fourDigitsOrZero(m.races[r].startTime) + "\n";
    }
    return lines;
}

}  // namespace cli

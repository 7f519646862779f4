#include "clientdata/start_times.h"

#include <cstdint>
#include <cstdio>

#include "base/path_helpers.h"
#include "base/venue.h"
#include "clientdata/text_lines.h"
#include "platform/files.h"

namespace clientdata {

namespace {

constexpr const char* kAllVenuesName = "%02d%02d%02d全.den";
constexpr const char* kVenueName = "%02d%02d%02d%s.den";
// The card's month and day in the file name: four digits after YY.
constexpr std::size_t kCardDateAt = 2;
constexpr std::size_t kCardDateWidth = 4;
constexpr std::size_t kLineBuffer = 2048;

std::string format(const char* pattern, int year, int month, int day, const char* initial = "") {
    char name[64];
    std::snprintf(name, sizeof name, pattern, year % 100, month, day, initial);
    return name;
}

}  // namespace

std::string AllVenuesStartTimeFile(int year, int month, int day) {
    return format(kAllVenuesName, year, month, day);
}

std::string VenueStartTimeFile(int year, int month, int day, int venueCode) {
    // The venue's one-character name (中京 is "名" because "中" is 中山).
    if (venueCode < 1 || venueCode > base::kVenueCount) return {};
    return format(kVenueName, year, month, day, base::kVenues[venueCode - 1].oneKanji);
}

void TakeStartTime(base::MeetingTerms& slot, const RaceCardLine& line) {
    if (line.venueCode != slot.venueCode) return;
    if (line.race < 1 || line.race > base::kRacesPerDay) return;
    slot.races[line.race - 1].startTime = static_cast<std::int16_t>(line.startTime);
}

bool LookUpStartTimes(base::VotingTerms& terms, int slot, const std::string& raceCardSetting) {
    base::MeetingTerms& meeting = terms.meetings[slot];
    plat::TextFile file;
    std::string name;
    for (const std::string& candidate :
         {AllVenuesStartTimeFile(terms.termsYear, terms.termsMonth, terms.termsDay),
          VenueStartTimeFile(terms.termsYear, terms.termsMonth, terms.termsDay, meeting.venueCode)}) {
        if (candidate.empty()) continue;
        std::string path = raceCardSetting;
        if (!base::ReplacePathPart(path, candidate.c_str())) continue;
        if (file.open(path, plat::TextFile::Mode::Read)) {
            name = candidate;
            break;
        }
    }
    if (!file.isOpen()) return false;

    if (terms.raceCardDate == 0)
        terms.raceCardDate =
            static_cast<std::int16_t>(base::NumberAt(std::string_view(name).substr(kCardDateAt), kCardDateWidth));
    ForEachLine(file, kLineBuffer, [&](std::string_view line) { TakeStartTime(meeting, ParseRaceCardLine(line)); });
    file.close();
    return true;
}

}  // namespace clientdata

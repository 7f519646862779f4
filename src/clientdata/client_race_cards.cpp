#include "clientdata/client_race_cards.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/path_helpers.h"
#include "base/venue.h"
#include "clientdata/field_int.h"
#include "platform/files.h"

namespace clientdata {

namespace {

constexpr const char* kFileNameFormat = "De-%d%d%x.Jra";
constexpr std::size_t kFirstLineBuffer = 1024;

// The first line's fields.
constexpr Field kVenueName{8, 4};
constexpr Field kKai{16, 2};
constexpr Field kNichime{18, 2};
constexpr Field kStartTime{22, 4};

bool namesVenue(std::string_view line, int venueCode) {
    const char* name = base::VenueName(venueCode);
    return line.size() >= kVenueName.column + kVenueName.width &&
           line.substr(kVenueName.column, kVenueName.width) == std::string_view(name, std::strlen(name));
}

// Reads the start time from the file at path when the file exists and its
// first line is the meeting's.
bool readStartTime(const std::string& path, const base::MeetingTerms& meeting, int& startTime) {
    plat::TextFile file;
    if (!file.open(path, plat::TextFile::Mode::Read)) return false;
    std::string line;
    const bool read = file.getLine(line, kFirstLineBuffer);
    file.close();
    if (!read || !namesVenue(line, meeting.venueCode) || FieldInt(line, kKai) != meeting.kai ||
        FieldInt(line, kNichime) != meeting.nichime)
        return false;
    startTime = FieldInt(line, kStartTime);
    return true;
}

}  // namespace

std::string ClientRaceCardFileName(int venueCode, int nichime, int race) {
    char name[32];
    std::snprintf(name, sizeof name, kFileNameFormat, venueCode, nichime, race);
    return name;
}

void ReadClientRaceCards(base::VotingTerms& terms, const std::string& clientExePath) {
    for (base::MeetingTerms& meeting : terms.meetings) {
        if (meeting.venueCode == 0) continue;
        for (int race = 1; race <= base::kRacesPerDay; ++race) {
            std::string path = clientExePath;
            if (!base::ReplacePathPart(path, ClientRaceCardFileName(meeting.venueCode, meeting.nichime, race).c_str()))
                continue;
            int startTime = 0;
            if (readStartTime(path, meeting, startTime))
                meeting.races[race - 1].startTime = static_cast<std::int16_t>(startTime);
        }
    }
}

}  // namespace clientdata

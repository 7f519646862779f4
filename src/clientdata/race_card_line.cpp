#include "clientdata/race_card_line.h"

#include "clientdata/field_int.h"

namespace clientdata {

namespace {

constexpr Field kVenue{0, 2};
constexpr Field kKai{4, 1};
constexpr Field kNichime{5, 1};
constexpr Field kRace{6, 2};
constexpr Field kCardDate{8, 4};
constexpr Field kStartTime{13, 4};

}  // namespace

RaceCardLine ParseRaceCardLine(std::string_view line) {
    RaceCardLine r;
    r.venueCode = FieldInt(line, kVenue);
    r.kai = FieldInt(line, kKai);
    r.nichime = FieldInt(line, kNichime);
    r.race = FieldInt(line, kRace);
    r.cardDate = FieldInt(line, kCardDate);
    r.startTime = FieldInt(line, kStartTime);
    return r;
}

}  // namespace clientdata

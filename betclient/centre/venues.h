// The ten racecourses, numbered 1..10 in the order the client's files use.
#pragma once

#include <string_view>

namespace centre {

constexpr int kVenueCount = 10;

// The two-kanji name of a venue (four Shift-JIS bytes); "" outside 1..10.
std::string_view venueName(int venue);
// The venue of a two-kanji name, or 0.
int venueByName(std::string_view name);

}  // namespace centre

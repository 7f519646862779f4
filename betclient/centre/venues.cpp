#include "betclient/centre/venues.h"

#include <array>

namespace centre {

namespace {
constexpr std::array<std::string_view, kVenueCount> kVenueNames = {
    "札幌", "函館", "福島", "新潟", "東京", "中山", "中京", "京都", "阪神", "小倉",
};
}  // namespace

std::string_view venueName(int venue) {
    if (venue < 1 || venue > kVenueCount) return {};
    return kVenueNames[venue - 1];
}

int venueByName(std::string_view name) {
    for (int v = 1; v <= kVenueCount; ++v)
        if (kVenueNames[v - 1] == name) return v;
    return 0;
}

}  // namespace centre

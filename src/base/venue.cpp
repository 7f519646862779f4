#include "base/venue.h"

namespace base {

static_assert(kVenueLookupText.size() == kVenueCount * kVenueRecordBytes);
static_assert(kVenueNamesText.size() == kVenueCount * kVenueNameRecordBytes);

const std::array<Venue, kVenueCount> kVenues = {{
    {1, "札幌", "SP", "札"},
    {2, "函館", "HK", "函"},
    {3, "福島", "FK", "福"},
    {4, "新潟", "NG", "新"},
    {5, "東京", "TK", "東"},
    {6, "中山", "NK", "中"},
    {7, "中京", "CK", "名"},
    {8, "京都", "KT", "京"},
    {9, "阪神", "HN", "阪"},
    {10, "小倉", "KK", "小"},
}};

namespace {

int recordOf(std::string_view text, std::size_t recordBytes, std::string_view token) {
    if (token.empty()) return 0;
    std::size_t at = text.find(token);
    return at == std::string_view::npos ? 0 : static_cast<int>(at / recordBytes) + 1;
}

}  // namespace

int VenueFromToken(std::string_view token) {
    return recordOf(kVenueLookupText, kVenueRecordBytes, token);
}

int VenueFromName(std::string_view name) {
    return recordOf(kVenueNamesText, kVenueNameRecordBytes, name);
}

const char* VenueName(int venue) {
    return venue >= 1 && venue <= kVenueCount ? kVenues[venue - 1].name : "";
}

}  // namespace base

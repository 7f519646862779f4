#include "betdata/importers/import_names.h"

#include "betdata/bet_kind.h"
#include "betdata/venue.h"

namespace betdata {

int importVenue(std::string_view word) { return VenueFromName(word.substr(0, kVenueNameBytes)); }

char importKindOfName(std::string_view word) {
    // In the order a kind word is compared.
    for (char kind : {kKindUmaren, kKindWakuren, kKindFukusho, kKindTansho})
        if (word == KindName(kind)) return kind;
    return kNoKind;
}

}  // namespace betdata

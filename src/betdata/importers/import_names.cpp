#include "betdata/importers/import_names.h"

#include "base/bet_kind.h"
#include "base/venue.h"

namespace betdata {

int importVenue(std::string_view word) { return base::VenueFromName(word.substr(0, kVenueNameBytes)); }

char importKindOfName(std::string_view word) {
    // In the order a kind word is compared.
    for (char kind : {base::kKindUmaren, base::kKindWakuren, base::kKindFukusho, base::kKindTansho})
        if (word == base::KindName(kind)) return kind;
    return kNoKind;
}

}  // namespace betdata

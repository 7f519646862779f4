#include "betdata/importers/import_names.h"

namespace betdata {

namespace {

struct KindName {
    char kind;
    const char* name;
};
// In the order the venue-header importer compares a kind word.
constexpr KindName kKindNames[] = {
    {kKindUmaren, "馬連"}, {kKindWaku, "枠連"}, {kKindFuku, "複勝"}, {kKindTan, "単勝"}};

}  // namespace

int importVenueNumber(std::string_view word) {
    word = word.substr(0, kVenueNameBytes);
    if (word.empty()) return 0;
    const std::size_t at = kImportVenueText.find(word);
    if (at == std::string_view::npos) return 0;
    return static_cast<int>(at / kImportVenueRecord) + 1;
}

std::string importVenueName(int venue) {
    if (venue < 1 || venue > 10) return {};
    return std::string(kImportVenueText.substr((venue - 1) * kImportVenueRecord, kVenueNameBytes));
}

const char* importKindName(char kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind) return k.name;
    return "";
}

char importKindOfName(std::string_view word) {
    for (const KindName& k : kKindNames)
        if (word == k.name) return k.kind;
    return kKindNone;
}

}  // namespace betdata

#include "betdata/importers/dbmn_importer.h"

#include <cstdio>

#include "base/strings.h"
#include "betdata/importers/import_lines.h"
#include "betdata/importers/import_names.h"
#include "betdata/importers/import_scan.h"
#include "betdata/normalize_wide_digits.h"
#include "base/venue.h"

namespace betdata {

namespace {

using namespace importscan;

constexpr std::size_t kLineBuffer = 256;
constexpr std::string_view kHeaderMark = "Ｒ】  +++";
constexpr std::size_t kRaceColumn = 4;  // after the 4-byte venue name
constexpr const char* kRace = "【%dＲ】";
constexpr const char* kQuinellaLine = " <%dｿﾌﾄ >%d-%d[%d";
constexpr const char* kBracketLine = " <%dｿﾌﾄ >%d[%d";

struct Pass {
    std::string venueName;
    int race = 0;  // 0 until a valid header
};

ImportEnd readHeader(std::string line, Pass& pass, ImportHost& host) {
    NormalizeWideDigits(line);
    int race = 0;
    if (line.size() <= kRaceColumn || std::sscanf(line.c_str() + kRaceColumn, kRace, &race) != 1)
        return ImportEnd::Completed;  // no race: the line is ignored
    const int venue = importVenue(std::string_view(line).substr(0, kVenueNameBytes));
    pass.race = 0;
    if (venue == 0) return ImportEnd::Completed;  // a name naming no venue: header refused
    const base::VotingTerms& terms = host.terms();
    if (terms.inForce() && terms.slotOfVenue(venue) < 0) {
        host.tell(base::kMsgVenueNotHeld);
        return ImportEnd::Stopped;
    }
    pass.venueName = base::VenueName(venue);
    pass.race = race;
    return ImportEnd::Completed;
}

std::string readDataLine(const std::string& line, const Pass& pass, const DbmnOptions& options,
                         ImportLineWriter& writer) {
    int agreement = 0, first = 0, second = 0, unused = 0;
    if (std::sscanf(line.c_str(), kQuinellaLine, &agreement, &first, &second, &unused) >= 3) {
        if (agreement < options.minAgreement) return {};
        return writer.pair(pass.venueName, pass.race, base::kKindUmaren, first, second, options.amount);
    }
    if (std::sscanf(line.c_str(), kBracketLine, &agreement, &first, &unused) >= 2) {
        if (agreement < options.minAgreement) return {};
        return writer.pair(pass.venueName, pass.race, base::kKindWakuren, first / kBracketDigits,
                           first % kBracketDigits, options.amount);
    }
    return {};
}

}  // namespace

ImportEnd ImportDbmnText(std::span<const std::string> lines, const DbmnOptions& options,
                         ImportHost& host) {
    Pass pass;
    ImportLineWriter writer(host);
    return ImportGathered(lines, kLineBuffer, host, [&](const std::string& line, std::string& gathered) {
        if (find(line, kHeaderMark) != std::string::npos) return readHeader(line, pass, host);
        if (isRace(pass.race)) gathered += readDataLine(line, pass, options, writer);
        return ImportEnd::Completed;
    });
}

}  // namespace betdata

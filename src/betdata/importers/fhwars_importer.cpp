#include "betdata/importers/fhwars_importer.h"

#include <cstdio>

#include "base/strings.h"
#include "betdata/importers/header_questions.h"
#include "betdata/importers/import_lines.h"
#include "betdata/importers/import_names.h"
#include "betdata/importers/import_scan.h"
#include "betdata/normalize_wide_digits.h"
#include "base/venue.h"

namespace betdata {

namespace {

using namespace importscan;

constexpr std::size_t kLineBuffer = 256;
constexpr std::string_view kMeetingDay = "日目";
// Venue word, (year), meeting number, meeting day, month, day, [race count].
constexpr const char* kHeader = "%255s %*d 年 %d 回 %d 日目 %d 月 %d 日 [%d]";
constexpr int kHeaderMinFields = 5;
constexpr std::size_t kVenueWordBytes = 256;

constexpr std::size_t kRaceColumn = 0, kRaceBytes = 3;
constexpr std::size_t kHorseDigitColumn = 6;
constexpr std::size_t kHorseColumn = 5, kHorseBytes = 2;
constexpr std::size_t kCellColumns[] = {8, 14, 20, 26, 32, 38};
constexpr std::size_t kCellBytes = 5;
constexpr const char* kCell = "%d - %d";

struct Pass {
    bool valid = false;  // a valid header has been read
    int slot = -1;       // meeting slot while the terms are in force
    std::string venueName;
};

ImportEnd readHeader(std::string line, Pass& pass, ImportHost& host) {
    NormalizeWideDigits(line);
    char word[kVenueWordBytes] = {};
    int kai = 0, nichime = 0, month = 0, day = 0, races = 0;
    pass.valid = false;
    if (std::sscanf(line.c_str(), kHeader, word, &kai, &nichime, &month, &day, &races) <
        kHeaderMinFields)
        return ImportEnd::Completed;
    const int venue = importVenue(word);
    if (venue == 0) return ImportEnd::Completed;  // a word naming no venue: header refused
    const base::VotingTerms& terms = host.terms();
    pass.slot = terms.slotOfVenue(venue);
    if (terms.inForce() && pass.slot < 0) {
        host.tell(base::kMsgVenueNotHeld);
        return ImportEnd::Stopped;
    }
    pass.venueName = base::VenueName(venue);
    HeaderQuestions questions(host);
    if (month != terms.termsMonth && !questions.acceptMismatch(base::kMsgImportDateDiffers))
        return ImportEnd::Cancelled;
    if (day != terms.termsDay && !questions.acceptMismatch(base::kMsgImportDateDiffers))
        return ImportEnd::Cancelled;
    if (terms.inForce() && !questions.answered()) {
        const base::MeetingTerms& meeting = terms.meetings[pass.slot];
        if (kai != meeting.kai && !questions.acceptMismatch(base::kMsgImportMeetingDiffers))
            return ImportEnd::Cancelled;
        if (nichime != meeting.nichime && !questions.acceptMismatch(base::kMsgImportMeetingDiffers))
            return ImportEnd::Cancelled;
    }
    pass.valid = true;
    return ImportEnd::Completed;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string readDataLine(const std::string& line, const Pass& pass, const FhwarsOptions& options,
                         ImportLineWriter& writer, const base::VotingTerms& terms) {
    if (line.size() <= kRaceMarkColumn || !isRaceMark(line[kRaceMarkColumn])) return {};
    const int race = numberAt(line, kRaceColumn, kRaceBytes);
    if (!isRace(race)) return {};
    char pairKind = base::kKindUmaren;
    if (terms.inForce() &&
        terms.meetings[pass.slot].races[race - 1].raceSaleCode != base::kRaceQuinellaCode)
        pairKind = base::kKindWakuren;

    std::string out;
    if (line.size() > kHorseDigitColumn && isDigit(line[kHorseDigitColumn]) &&
        (options.takeWin || options.takePlace)) {
        const int horse = numberAt(line, kHorseColumn, kHorseBytes);
        if (options.takeWin)
            out += writer.single(pass.venueName, race, base::kKindTansho, horse, options.winAmount);
        if (options.takePlace)
            out += writer.single(pass.venueName, race, base::kKindFukusho, horse, options.placeAmount);
    }
    if (!options.takePairs) return out;
    for (std::size_t column : kCellColumns) {
        if (column >= line.size()) break;
        const std::string cell = line.substr(column, kCellBytes);
        int first = 0, second = 0;
        const int numbers = std::sscanf(cell.c_str(), kCell, &first, &second);
        if (numbers == 2) {
            out += writer.pair(pass.venueName, race, pairKind, first, second, options.pairAmount);
        } else if (numbers == 1) {
            // A two-digit entry is a bracket pair; the rest of the line is 枠連.
            pairKind = base::kKindWakuren;
            out += writer.pair(pass.venueName, race, base::kKindWakuren, first / kBracketDigits,
                               first % kBracketDigits, options.pairAmount);
        }
    }
    return out;
}

}  // namespace

ImportEnd ImportFhwarsText(std::span<const std::string> lines, const FhwarsOptions& options,
                           ImportHost& host) {
    Pass pass;
    ImportLineWriter writer(host);
    return ImportGathered(lines, kLineBuffer, host, [&](const std::string& line, std::string& gathered) {
        if (find(line, kMeetingDay) != std::string::npos) return readHeader(line, pass, host);
        if (pass.valid) gathered += readDataLine(line, pass, options, writer, host.terms());
        return ImportEnd::Completed;
    });
}

}  // namespace betdata

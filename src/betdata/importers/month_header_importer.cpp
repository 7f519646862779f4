#include "betdata/importers/month_header_importer.h"

#include <cstdio>

#include "base/strings.h"
#include "betdata/importers/header_questions.h"
#include "betdata/importers/import_lines.h"
#include "betdata/importers/import_names.h"
#include "betdata/importers/import_scan.h"
#include "base/venue.h"

namespace betdata {

namespace {

using namespace importscan;

constexpr std::size_t kLineBuffer = 2560;

// Fixed columns of a data line.
constexpr std::size_t kRaceColumn = 0, kRaceBytes = 3;
constexpr std::size_t kKindColumn = 6, kKindBytes = 4;
constexpr std::size_t kNumbersColumn = 15, kNumbersBytes = 5;
constexpr std::size_t kAmountColumn = 30;
constexpr const char* kNumbers = "%d - %d";

struct Pass {
    int venue = 0;
    int race = 0;
    char kind = kNoKind;
};

// A header: a line holding 月.
ImportEnd readHeader(const std::string& line, Pass& pass, ImportHost& host) {
    const base::VotingTerms& terms = host.terms();
    HeaderQuestions questions(host);
    if (!questions.checkHeaderDate(line)) return ImportEnd::Cancelled;
    const std::size_t kaiAt = find(line, kKaiKanji);
    if (kaiAt == std::string::npos) return ImportEnd::Completed;
    const int kai = numberBefore(line, kaiAt);
    std::size_t wordEnd = 0;
    if (const int venue = importVenue(wordAt(line, kaiAt + kKaiKanji.size(), wordEnd)); venue != 0)
        pass.venue = venue;
    if (!terms.inForce() || questions.answered()) return ImportEnd::Completed;
    const int slot = terms.slotOfVenue(pass.venue);
    if (slot < 0) {
        host.tell(base::kMsgImportVenueNotHeld);
        return ImportEnd::Stopped;
    }
    const base::MeetingTerms& meeting = terms.meetings[slot];
    if (kai > 0 && kai != meeting.kai && !questions.acceptMismatch(base::kMsgImportMeetingDiffers))
        return ImportEnd::Cancelled;
    if (const std::size_t at = find(line, kDayKanji, kaiAt + kKaiKanji.size()); at != std::string::npos) {
        // Only the single digit in front of 日 counts here.
        if (numberAt(line, at - 1, 1) != meeting.nichime &&
            !questions.acceptMismatch(base::kMsgImportMeetingDiffers))
            return ImportEnd::Cancelled;
    }
    return ImportEnd::Completed;
}

std::string readDataLine(const std::string& line, Pass& pass, ImportLineWriter& writer) {
    if (line.size() > kRaceMarkColumn && isRaceMark(line[kRaceMarkColumn]))
        pass.race = numberAt(line, kRaceColumn, kRaceBytes);
    if (line.size() > kKindColumn) {
        if (const char kind = importKindOfName(line.substr(kKindColumn, kKindBytes));
            kind != kNoKind)
            pass.kind = kind;
    }
    if (line.size() <= kNumbersColumn) return {};
    const std::string cell = line.substr(kNumbersColumn, kNumbersBytes);
    int first = 0, second = 0;
    const int numbers = std::sscanf(cell.c_str(), kNumbers, &first, &second);
    const int amount = numberAt(line, kAmountColumn, line.size());
    if (numbers < 1 || amount == 0 || pass.venue == 0 || pass.race == 0 || pass.kind == kNoKind)
        return {};
    const std::string venueName = base::VenueName(pass.venue);
    if (!base::isPairKind(pass.kind)) return writer.single(venueName, pass.race, pass.kind, first, amount);
    // A pair needs both numbers; one alone names no bet.
    if (numbers < 2) return {};
    return writer.pair(venueName, pass.race, pass.kind, first, second, amount);
}

}  // namespace

ImportEnd ImportMonthHeaderText(std::span<const std::string> lines, ImportHost& host) {
    Pass pass;
    ImportLineWriter writer(host);
    return ImportGathered(lines, kLineBuffer, host, [&](const std::string& line, std::string& gathered) {
        if (find(line, kMonthKanji) != std::string::npos) return readHeader(line, pass, host);
        gathered += readDataLine(line, pass, writer);
        return ImportEnd::Completed;
    });
}

}  // namespace betdata

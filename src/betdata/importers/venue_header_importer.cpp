#include "betdata/importers/venue_header_importer.h"

#include <algorithm>
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
constexpr std::string_view kTotalWord = "合計";
constexpr std::string_view kRaceMark = "R";
constexpr int kYearModulo = 100;

// Readings of one bet after its kind word (horse or pair, odds, amount).
constexpr const char* kSingle = " %d %d%n";
constexpr const char* kSingleOdds = " %d %f %d%n";
constexpr const char* kSingleTwoOdds = " %d %f %*f %d%n";
constexpr const char* kPair = " %d-%d %d%n";
constexpr const char* kPairOdds = " %d-%d %f %d%n";

struct Pass {
    std::string venueName;  // empty before the first header
    int race = 0;
    char kind = kNoKind;
};

ImportEnd readHeader(const std::string& line, int venue, Pass& pass, ImportHost& host) {
    const base::VotingTerms& terms = host.terms();
    pass.venueName = base::VenueName(venue);
    int slot = -1;
    if (terms.inForce()) {
        slot = terms.slotOfVenue(venue);
        if (slot < 0) {
            host.tell(base::kMsgImportVenueNotHeld);
            return ImportEnd::Stopped;
        }
    }
    HeaderQuestions questions(host);
    if (const std::size_t at = find(line, kYearKanji); at != std::string::npos) {
        if (numberBefore(line, at) != terms.termsYear % kYearModulo &&
            !questions.acceptMismatch(base::kMsgImportDateDiffers))
            return ImportEnd::Cancelled;
    }
    if (!questions.checkHeaderDate(line)) return ImportEnd::Cancelled;
    if (!terms.inForce()) return ImportEnd::Completed;
    const base::MeetingTerms& meeting = terms.meetings[slot];
    const std::size_t kaiAt = find(line, kKaiKanji);
    if (kaiAt == std::string::npos) return ImportEnd::Completed;
    if (numberBefore(line, kaiAt) != meeting.kai && !questions.acceptMismatch(base::kMsgImportMeetingDiffers))
        return ImportEnd::Cancelled;
    if (const std::size_t at = find(line, kDayKanji, kaiAt + kKaiKanji.size()); at != std::string::npos) {
        if (numberBefore(line, at) != meeting.nichime &&
            !questions.acceptMismatch(base::kMsgImportMeetingDiffers))
            return ImportEnd::Cancelled;
    }
    return ImportEnd::Completed;
}

bool isTotalLine(const std::string& line) {
    int value = 0;
    return find(line, kTotalWord) != std::string::npos &&
           std::sscanf(line.c_str(), " %*s %d", &value) == 1;
}

// The odds of one bet: its dots, counted up to the next race mark.  Counting
// to the end of the line would let the odds of a later bet on the same line
// change how this one is read (and take the next race number as its amount).
std::size_t countDots(const std::string& line, std::size_t from) {
    const std::size_t end = std::min(find(line, kRaceMark, from), line.size());
    std::size_t dots = 0;
    for (std::size_t i = from; i < end; ++i) dots += line[i] == '.';
    return dots;
}

// Reads the bet at `from` with the current kind; on success writes its line
// and returns the position after it, else returns `from`.
std::size_t readBet(const std::string& line, std::size_t from, const Pass& pass,
                    ImportLineWriter& writer, ImportHost& host) {
    const char* rest = line.c_str() + from;
    const std::size_t dots = countDots(line, from);
    int first = 0, second = 0, amount = 0, used = 0;
    float odds = 0;
    bool read = false;
    if (base::isPairKind(pass.kind)) {
        read = dots == 0 ? std::sscanf(rest, kPair, &first, &second, &amount, &used) == 3
                         : std::sscanf(rest, kPairOdds, &first, &second, &odds, &amount, &used) == 4;
    } else if (dots == 0) {
        read = std::sscanf(rest, kSingle, &first, &amount, &used) == 2;
    } else if (dots == 1 || pass.kind == base::kKindTansho) {
        read = std::sscanf(rest, kSingleOdds, &first, &odds, &amount, &used) == 3;
    } else {  // 複勝 with its two odds
        read = std::sscanf(rest, kSingleTwoOdds, &first, &odds, &amount, &used) == 3;
    }
    if (!read) return from;
    if (amount != 0) {
        const std::string out =
            base::isPairKind(pass.kind)
                ? writer.pair(pass.venueName, pass.race, pass.kind, first, second, amount)
                : writer.single(pass.venueName, pass.race, pass.kind, first, amount);
        if (!out.empty()) {
            host.addToListTotal(amount);
            host.appendLines(out);
        }
    }
    return from + static_cast<std::size_t>(used);
}

void readDataLine(const std::string& line, Pass& pass, ImportLineWriter& writer,
                  ImportHost& host) {
    std::size_t at = 0;
    if (const std::size_t mark = find(line, kRaceMark); mark != std::string::npos) {
        pass.race = numberBefore(line, mark);
        at = mark + 1;
    }
    for (;;) {
        std::size_t wordEnd = 0;
        if (const char kind = importKindOfName(wordAt(line, at, wordEnd)); kind != kNoKind) {
            pass.kind = kind;
            at = wordEnd;
        }
        if (pass.kind != kNoKind) at = readBet(line, at, pass, writer, host);
        const std::size_t mark = find(line, kRaceMark, at);
        if (mark == std::string::npos) return;
        const int race = numberBefore(line, mark);
        if (!isRace(race)) return;
        pass.race = race;
        at = mark + 1;
    }
}

}  // namespace

ImportEnd ImportVenueHeaderText(std::span<const std::string> lines, ImportHost& host) {
    Pass pass;
    ImportLineWriter writer(host);
    for (const std::string& staged : lines) {
        const std::string line = cutToBuffer(staged, kLineBuffer);
        std::size_t wordEnd = 0;
        if (const int venue = importVenue(wordAt(line, 0, wordEnd)); venue != 0) {
            const ImportEnd end = readHeader(line, venue, pass, host);
            if (end != ImportEnd::Completed) return end;
        } else if (isTotalLine(line)) {
            host.showStatus();
        } else {
            readDataLine(line, pass, writer, host);
        }
    }
    return ImportEnd::Completed;
}

}  // namespace betdata

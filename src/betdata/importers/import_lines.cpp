#include "betdata/importers/import_lines.h"

#include <cstdio>

#include "base/bet_kind.h"
#include "base/bet_line.h"
#include "base/voting_terms.h"
#include "betdata/importers/import_scan.h"

namespace betdata {

namespace {

// The shape of the canonical lines; the re-parse rewrites them.
constexpr const char* kSingleLine = "%03d: %s %2dR %s    %02d %8d\r\n";
constexpr const char* kPairLine = "%03d: %s %2dR %s %02d-%02d %8d\r\n";
constexpr std::size_t kLineBytes = 160;  // every field at its widest fits
constexpr int kLowestNumber = 1;
constexpr int kHighestNumber = base::kMaxHorses;

// The list's grammar reads a written line again, and there a number below
// 100 is a horse (1..18) or nothing and a minus sign only a marker: a line
// with a stake under 100 yen, or with a number outside 1..18, would come
// back as another bet (a horse more, a stake of 100 yen, -3 as horse 3).
// Such lines are not written.
bool readsBackAsWritten(int amountYen, int first, int second) {
    auto isNumber = [](int n) { return n >= kLowestNumber && n <= kHighestNumber; };
    return amountYen >= base::kYenPerUnit && isNumber(first) && isNumber(second);
}

}  // namespace

// The bets still purchasable today bound the lines once the day's terms are
// in force.  Before that (no terms read yet, an earlier day's terms, or
// running totals that could not be read) betsRemaining does not speak of
// today: it is 0 until terms of a new date are read.  The day is then taken
// whole, as it starts, so that a paste before the terms are known loses no
// line; the list holds no more than a day's bets anyway, and the centre
// refuses what the day no longer allows.
bool ImportLineWriter::roomForLine() const {
    const base::VotingTerms& terms = host_.terms();
    return host_.listCount() < (terms.inForce() ? terms.betsRemaining : base::kBetsPerDay);
}

std::string ImportLineWriter::single(const std::string& venueName, int race, char kind,
                                     int horse, int amountYen) {
    if (!readsBackAsWritten(amountYen, horse, horse) || !roomForLine()) return {};
    const int number = host_.listCount() + 1;
    host_.setListCount(number);
    char line[kLineBytes];
    std::snprintf(line, sizeof line, kSingleLine, number, venueName.c_str(), race,
                  base::KindName(kind), horse, amountYen);
    return line;
}

std::string ImportLineWriter::pair(const std::string& venueName, int race, char kind, int first,
                                   int second, int amountYen) {
    if (!readsBackAsWritten(amountYen, first, second) || !roomForLine()) return {};
    const int number = host_.listCount() + 1;
    host_.setListCount(number);
    char line[kLineBytes];
    std::snprintf(line, sizeof line, kPairLine, number, venueName.c_str(), race,
                  base::KindName(kind), first, second, amountYen);
    return line;
}

ImportEnd ImportGathered(std::span<const std::string> lines, std::size_t bufferSize,
                         ImportHost& host, const GatheringStep& examine) {
    std::string gathered;
    ImportEnd end = ImportEnd::Completed;
    for (const std::string& staged : lines) {
        end = examine(importscan::cutToBuffer(staged, bufferSize), gathered);
        if (end != ImportEnd::Completed) break;
    }
    if (!gathered.empty()) host.appendLines(gathered);
    return end;
}

}  // namespace betdata

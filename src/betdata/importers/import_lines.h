// Writing imported bets as bet-list lines: numbered from the list count,
// and only while the day still has bets left to buy (a whole day's bets
// while the day's terms are not in force).
#pragma once

#include <functional>
#include <span>
#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

class ImportLineWriter {
public:
    explicit ImportLineWriter(ImportHost& host) : host_(host) {}

    // One line for a single-horse bet (単勝, 複勝) or a pair bet (枠連, 馬連),
    // numbered with the raised list count; the amount is in yen.  Returns ""
    // (and counts nothing) for a bet the list would read back as another
    // (a stake under 100 yen, a number outside 1..18), and once the list
    // count has reached the bets still purchasable today, or a day's bets
    // while the terms are not in force.
    std::string single(const std::string& venueName, int race, char kind, int horse,
                       int amountYen);
    std::string pair(const std::string& venueName, int race, char kind, int first, int second,
                     int amountYen);

private:
    bool roomForLine() const;
    ImportHost& host_;
};

// One pass of an importer that gathers its lines: examine sees every staged
// line as a buffer of bufferSize bytes holds it and adds the lines it writes
// to `gathered`; a result other than Completed ends the pass.  The gathered
// lines are appended to the bet list together at the end, however the pass
// ended.
using GatheringStep = std::function<ImportEnd(const std::string& line, std::string& gathered)>;
ImportEnd ImportGathered(std::span<const std::string> lines, std::size_t bufferSize,
                         ImportHost& host, const GatheringStep& examine);

}  // namespace betdata

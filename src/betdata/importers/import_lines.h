// Writing imported bets as bet-list lines: numbered from the list count,
// and only while the day still has bets left to buy.
#pragma once

#include <string>

#include "betdata/importers/import_host.h"

namespace betdata {

class ImportLineWriter {
public:
    explicit ImportLineWriter(ImportHost& host) : host_(host) {}

    // One line for a single-horse bet (単勝, 複勝) or a pair bet (枠連, 馬連),
    // numbered with the raised list count; the amount is in yen.  Returns ""
    // (and counts nothing) once the list count has reached the bets still
    // purchasable today.
    std::string single(const std::string& venueName, int race, char kind, int horse,
                       int amountYen);
    std::string pair(const std::string& venueName, int race, char kind, int first, int second,
                     int amountYen);

private:
    bool roomForLine() const;
    ImportHost& host_;
};

}  // namespace betdata

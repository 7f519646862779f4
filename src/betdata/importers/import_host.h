// What the bet-text importers read and change around them: the voting
// terms, the bet list's counters and text, the header date, and the user.
//
// The importers themselves are plain functions over the staged lines; the
// main window supplies a host bound to its state, the string table and the
// BetList edit, and tests supply one that records.
#pragma once

#include <string>

#include "base/voting_terms.h"

namespace betdata {

// How an import pass ended.
enum class ImportEnd {
    Completed,  // every line examined
    Stopped,    // a venue not held today (8002, 8136): not a cancellation
    Cancelled,  // the user answered No to a date or meeting question
};

class ImportHost {
public:
    virtual ~ImportHost() = default;

    virtual const base::VotingTerms& terms() const = 0;

    // A question of the string table (base/strings.h) with Yes and No; true
    // for Yes.
    virtual bool askYesNo(int messageId) = 0;
    // A message of the string table with an OK button.
    virtual void tell(int messageId) = 0;
    // Rewrites the status box from the current counters.
    virtual void showStatus() = 0;

    // The bet list's line count and total in yen, raised while lines are
    // written (the re-parse afterwards sets them from the parsed table).
    virtual int listCount() const = 0;
    virtual void setListCount(int count) = 0;
    virtual void addToListTotal(int yen) = 0;

    // The month and day of the last venue-header or month-header header,
    // kept for the timer-bet file.
    virtual void setHeaderMonth(int month) = 0;
    virtual void setHeaderDay(int day) = 0;

    // Appends finished lines (each ending in CR LF) to the bet list, after
    // its last complete line.
    virtual void appendLines(const std::string& lines) = 0;
};

}  // namespace betdata

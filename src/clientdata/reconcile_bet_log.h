// Reconciling the day's bet log with the payout files: every accepted bet
// line of the vote-log echoes that won gets its payout (yen) appended, a
// summary line with income, expense and recovery rate closes the log, and the
// day's purchase and payout totals are taken into the running totals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/notifier.h"
#include "base/path_helpers.h"
#include "base/voting_terms.h"
#include "clientdata/payout_tables.h"
#include "clientdata/totals_host.h"

namespace clientdata {

struct PayoutContext {
    base::VotingTerms& terms;
    PayoutTables& tables;
    const base::CurrentBetFile& betFile;  // the bet log and the report go into its directory
    std::string clientExePath;            // Settings "Pat95 Dir"
    int payoutFetchTime;                  // Settings "Haraimodoshi Info Get Time"
    TotalsHost& host;
    base::Notifier& notifier;
};

// The day's figures of a reconciled log, in yen.
struct ReconcileTotals {
    long long income = 0;
    long long expense = 0;
};

// Writes the reconciled form of the log at logPath to copyPath (replacing
// what is there): the lines with their payouts, then the summary line.  The
// log is only read.  None when either file cannot be opened or the copy
// could not be written whole (what was written of it is then removed).
std::optional<ReconcileTotals> WriteReconciledLog(const PayoutTables& tables, const base::VotingTerms& terms,
                                                  const std::string& logPath, const std::string& copyPath);

// Reads the payout files, then reconciles the bet log of the date of clock
// (the program clock): the reconciled copy is written whole to the scratch
// file "BTyymmdd.$$$" and then takes the log's place in one rename, so a
// crash at any moment leaves the old log or the new one.  Then the running
// totals take the day's purchase and payout, "Current Info" is stored, the
// status box redrawn, and the payout report written when the setting asks
// for it.  False, with nothing changed, when there is no log or the new one
// could not be put in place.  A run on a reconciled log gives the same line
// payouts and adds one more summary line.
bool ReconcileBetLog(PayoutContext& context, std::int64_t clock);

}  // namespace clientdata

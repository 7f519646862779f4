// The day's payout report "HiYYMMDD.Txt": per meeting a heading and one
// table of the payouts of every race, from the payout tables.
#pragma once

#include <string>

#include "base/notifier.h"
#include "base/path_helpers.h"
#include "base/voting_terms.h"
#include "clientdata/payout_tables.h"

namespace clientdata {

// The report's path: "Hi%02d%02d%02d.Txt" of the terms date in the directory
// of the current bet file; empty when it would be too long.
std::string PayoutReportPath(const base::CurrentBetFile& betFile, const base::VotingTerms& terms);

// The report's text ("\n" line ends).
std::string PayoutReportText(const PayoutTables& tables, const base::VotingTerms& terms);

// Writes the report, replacing an older one.  When it cannot be written the
// user is told "ファイルが出力できません！" and false is returned.
bool WritePayoutReport(const PayoutTables& tables, const base::VotingTerms& terms,
                       const base::CurrentBetFile& betFile, base::Notifier& notifier);

}  // namespace clientdata

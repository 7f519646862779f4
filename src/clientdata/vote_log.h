// The betting client's vote logs "Lg-NN.JRA" (NN = 00..99, cycling), one per
// vote: finding the newest, loading one into the running totals, and echoing
// it into the day's bet log.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/path_helpers.h"
#include "clientdata/totals_host.h"
#include "clientdata/vote_log_record.h"
#include "base/voting_terms.h"

namespace clientdata {

struct VoteLogState {
    // The vote log expected next; empty until the first RefreshVoteLog.
    std::string nextLogPath;
    // Modification time of the last vote log loaded, later the time of the
    // last RefreshVoteLog: a vote log not modified after it is not loaded.
    std::int64_t lastLogTime = 0;
};

// What the vote-log reader needs of the main window and the settings.
class VoteLogHost : public TotalsHost {
public:
    virtual std::string mainCaption() = 0;
    virtual void setMainCaption(const std::string& caption) = 0;
};

struct VoteLogContext {
    base::VotingTerms& terms;
    VoteLogState& state;
    const base::CurrentBetFile& betFile;  // the day's bet log is in its directory
    std::string clientExePath;               // Settings "Pat95 Dir"
    VoteLogHost& host;
};


// Finds the newest "Lg-??.jra" next to the client's executable.  On the
// first call of the process only, loads it when it was modified on the date
// of clock (the program clock) and redraws the status box.  Sets
// nextLogPath to the following number (modulo 100; 00 when there is none)
// and lastLogTime to the current time.
void RefreshVoteLog(VoteLogContext& context, std::int64_t clock);

// Loads the vote log at path when it was modified after lastLogTime: echoes
// it into the day's bet log, counts it into the running totals unless its
// receipt number was counted last, shows the figures in the main window's
// caption and stores "Current Info".  Advances path to the next vote log.
// Returns the vote's purchase total in yen, 0 when nothing was loaded.
int LoadVoteLog(VoteLogContext& context, std::string& path, std::int64_t clock);

// Counts a vote into the running totals (receipt number 1 or more).
void CountVote(base::VotingTerms& terms, const VoteLogRecord& record);

// The caption with the figures: whatever followed the program name (after
// one character) is replaced by " available / bets #receipt".
std::string CaptionWithFigures(const std::string& caption, int availableYen, int betsRemaining, int receiptNo);

// The number after the one in front of ".JRA" in the file name of path
// (modulo 100), or none when the name holds no ".JRA" (case-sensitive).
std::optional<int> NextVoteLogNumber(const std::string& path);

}  // namespace clientdata

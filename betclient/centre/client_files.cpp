#include "betclient/centre/client_files.h"

#include <vector>

#include "betclient/centre/payout_file.h"
#include "betclient/centre/race_card_file.h"
#include "betclient/centre/terms_file.h"
#include "betclient/centre/text_io.h"
#include "betclient/centre/vote_log_file.h"

namespace centre {

bool writeTermsFiles(const std::string& directory, const Day& day, int fetchTime) {
    bool ok = true;
    for (int slot = 0; slot < kMaxMeetings; ++slot)
        ok = writeLines(directory + kTermsFileNames[slot], {formatTermsLine(day, slot, fetchTime)}) && ok;
    return ok;
}

bool writeVoteLog(const std::string& directory, const Day& day, const VoteRecord& record) {
    return writeLines(directory + voteLogFileName(record.logNumber), {formatVoteLogLine(day, record)});
}

bool writePayoutFiles(const std::string& directory, const Day& day, const Meeting& m, int now) {
    bool ok = true;
    for (Kind kind : kAllKinds)
        ok = writeLines(directory + payoutFileName(day, m, kind), {formatPayoutLine(day, m, kind, now)}) && ok;
    return ok;
}

bool writeRaceCardFiles(const std::string& directory, const Day& day, const Meeting& m) {
    bool ok = true;
    for (int r = 1; r <= kRacesPerMeeting; ++r)
        ok = writeLines(directory + raceCardFileName(m, r), formatRaceCard(day, m, r)) && ok;
    return ok;
}

bool writeDenFile(const std::string& path, const Day& day) {
    std::vector<std::string> lines;
    for (const Meeting& m : day.meetings)
        for (int r = 1; r <= kRacesPerMeeting; ++r) lines.push_back(formatDenLine(day, m, r));
    return writeLines(path, lines);
}

}  // namespace centre

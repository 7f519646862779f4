// The betting centre behind the replacement client: the day, what has been
// bet on it, and the files it hands the client.  Everything it keeps lives in
// the client's directory ("day.txt" when a day is given, "centre-state.txt"),
// so that a restarted client carries on with the same day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "betclient/centre/day.h"
#include "betclient/centre/generator.h"
#include "betclient/centre/voting.h"

namespace centre {

// A vote as submitted through the client: the centre's record, and whether
// its vote log and the centre's state were written.
struct Submission {
    std::optional<VoteRecord> record;
    bool saved = false;
};

class Centre {
public:
    // A centre on a day, keeping its files in `directory` (ending in a
    // separator), with a fresh state.
    Centre(Day day, std::string directory);

    // The centre of a client directory on a date: the day of "day.txt" when
    // that file exists and reads (else `dayError` says why and a generated
    // day is used), otherwise the generated day for the date; the state of
    // "centre-state.txt" when it belongs to that day.
    static Centre open(const std::string& directory, int year, int month, int day,
                       std::string& dayError, std::uint64_t seed = kDefaultSeed);

    const Day& day() const { return day_; }
    const CentreState& state() const { return state_; }
    const std::vector<LedgerEntry>& ledger() const { return state_.ledger; }
    const std::string& directory() const { return directory_; }

    bool checkLogin(std::string_view userId, std::string_view password) const;
    long long availableYen(int now) const { return centre::availableYen(day_, state_, now); }
    int betsRemaining() const { return centre::betsRemaining(state_); }

    // Takes a group of bets at `now` (hour * 100 + minute), writes the vote
    // log and saves the state.
    Submission submit(const std::vector<Bet>& bets, int now);

    // The client's files: the terms of the day (fetched at `now`), the
    // payouts of the meeting at a venue with the results out at `now`, its
    // race cards.  False when a file could not be written or no meeting is
    // held at the venue.
    bool writeTerms(int now) const;
    bool writePayouts(int venue, int now) const;
    bool writeRaceCards(int venue) const;
    bool saveState() const;

private:
    Day day_;
    CentreState state_;
    std::string directory_;
};

// The local time of the platform clock as hour * 100 + minute.
int clockHhmm();

}  // namespace centre

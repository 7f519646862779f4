// The betting centre behind the replacement client: the day, what has been
// bet on it, and the files it hands the client.  Everything it keeps lives in
// the client's directory ("day.txt" when a day is given, "centre-state.txt"),
// so that a restarted client carries on with the same day.
//
// When the clock has moved past the day of "day.txt", the centre moves on to
// the new date as the real one would: a day generated for it (with the seed
// and the account of the day before), receipt numbers from 1, the vote-log
// numbers running on.  The earlier day's files are kept beside the new ones
// ("day-YYYYMMDD.txt", "centre-state-YYYYMMDD.txt") when the new day's state
// is first saved.
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
    // that file exists and reads (else `error` says why and a generated day
    // is used), moved on to the date when that is later, otherwise the
    // generated day for the date; the state of "centre-state.txt" when it
    // belongs to that day.  No centre when "centre-state.txt" exists but
    // cannot be read: `error` then names the file and the line, and nothing
    // may be written over it.
    static std::optional<Centre> open(const std::string& directory, int year, int month, int day,
                                      std::string& error, std::uint64_t seed = kDefaultSeed);

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
    // Replaces "centre-state.txt" whole; first keeps the earlier day's files
    // when the centre has moved on to a new day.
    bool saveState();

private:
    bool keepEarlierDay();

    Day day_;
    CentreState state_;
    std::string directory_;
    // What the directory still holds of an earlier day, until it is kept
    // under its date at the first save of the new day.
    struct EarlierDay {
        std::string text;  // of "day.txt", as it stands
        int year = 0, month = 0, day = 0;
    };
    std::optional<EarlierDay> earlierDay_;
    std::optional<CentreState> earlierState_;
};

// The local time of the platform clock as hour * 100 + minute.
int clockHhmm();

}  // namespace centre

// The voting engine: takes a submitted group of bets against the day's sale
// codes, the clock and the account, and answers with a vote record; every
// accepted bet goes into the ledger.
//
// Pure logic: the caller keeps the state (CentreState) and writes the files.
#pragma once

#include <optional>
#include <vector>

#include "betclient/centre/day.h"

namespace centre {

constexpr int kBetsPerDay = 300;
constexpr int kMaxEntriesPerVote = 50;   // entry slots of a vote log
constexpr int kMaxUnitsPerBet = 9999;    // four digits of 100 yen
constexpr int kMaxReceiptNo = 9999;      // four digits
constexpr int kVoteLogNumbers = 100;     // Lg-00 .. Lg-99, then 00 again
constexpr int kCloseMinutesBeforeStart = 2;
constexpr int kResultDelayMinutes = 10;  // results are out this long after the start

// One bet as submitted.  For 単勝 and 複勝 the horse is `first` (`second` is
// not looked at); for 枠連 the numbers are brackets.  Amount in 100 yen.
struct Bet {
    int venue = 0;
    int race = 0;
    Kind kind = Kind::Win;
    int first = 0;
    int second = 0;
    int units = 0;
    friend bool operator==(const Bet&, const Bet&) = default;
};

// Acceptance status of an entry, numbered as the vote log writes it.
enum class Acceptance : int {
    Accepted = 0,     // 受
    NotAccepted = 1,  // 未: beyond the amount available or the bets left today
    Invalid = 2,      // ？: no such race or kind on sale, number not on sale
    Closed = 3,       // 〆: sales of the race have closed
};

struct VoteEntry {
    Bet bet;
    Acceptance status = Acceptance::Invalid;
};

struct VoteRecord {
    int receiptNo = 0;   // 受付番号, from 1 each day
    int logNumber = 0;   // the Lg-%02d.JRA the record goes to
    int time = 0;        // hour * 100 + minute of the vote
    std::vector<VoteEntry> entries;
    int purchaseUnits = 0;   // accepted amount, 100 yen
    int betsRemaining = 0;   // after this vote
    int availableUnits = 0;  // 投票可能 after this vote, 100 yen
};

// An accepted bet: the receipt it came with and its line (1-based) there.
struct LedgerEntry {
    int receiptNo = 0;
    int line = 0;
    Bet bet;
    friend bool operator==(const LedgerEntry&, const LedgerEntry&) = default;
};

// What the centre remembers of the day between votes and restarts.
struct CentreState {
    int year = 0, month = 0, day = 0;  // the day it belongs to
    int lastReceiptNo = 0;
    int nextLogNumber = 0;
    std::vector<LedgerEntry> ledger;
    friend bool operator==(const CentreState&, const CentreState&) = default;
};

// Makes the state belong to the day: a state of another date starts afresh
// (receipts from 1, empty ledger); the vote-log numbers run on.
void beginDay(CentreState& state, const Day& day);

bool salesClosed(const Race& race, int now);
bool resultPublished(const Race& race, int now);
// Status of a bet on its own (accepted, invalid or closed); the account is not
// looked at.
Acceptance checkBet(const Day& day, const Bet& bet, int now);
// Payout per 100 yen of a bet on a race result (0 when it lost).
int payoutOf(const RaceResult& result, const Bet& bet);

int betsRemaining(const CentreState& state);
long long purchasedYen(const CentreState& state);
// Payouts of the ledger's bets on the results out at `now`.
long long creditedYen(const Day& day, const CentreState& state, int now);
// Purchase limit less purchases plus payouts credited; never below 0.
long long availableYen(const Day& day, const CentreState& state, int now);

// Takes a group of bets at `now` (hour * 100 + minute).  No record (nullopt)
// when the group is empty, holds more than kMaxEntriesPerVote bets, or the
// day's receipt numbers are used up; otherwise the record with a new receipt
// number, and the accepted bets are in the ledger.
std::optional<VoteRecord> vote(const Day& day, CentreState& state, const std::vector<Bet>& bets,
                               int now);

}  // namespace centre

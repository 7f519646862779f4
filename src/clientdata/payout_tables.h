// The day's payouts as the betting client's payout files give them: for each
// bet kind, meeting slot and race, the winning numbers and what they pay per
// 100 yen staked.
#pragma once

#include <array>
#include <span>
#include <string>

#include "base/voting_terms.h"

namespace clientdata {

// Kinds in the order of the client's files and of the bet kinds.
enum class PayoutKind { Tansho, Fukusho, Wakuren, Umaren };
constexpr int kPayoutKinds = 4;
constexpr std::array<PayoutKind, kPayoutKinds> kAllPayoutKinds = {PayoutKind::Tansho, PayoutKind::Fukusho,
                                                                  PayoutKind::Wakuren, PayoutKind::Umaren};
constexpr int kMaxPayoutEntries = 5;  // 複勝; the other kinds have 3

// Entries of a race for the kind: a second 単勝, 枠連 or 馬連 entry, or a
// fourth 複勝 entry, comes from a dead heat (同着).
constexpr int PayoutEntryCount(PayoutKind kind) { return kind == PayoutKind::Fukusho ? 5 : 3; }
constexpr int DeadHeatEntry(PayoutKind kind) { return kind == PayoutKind::Fukusho ? 3 : 1; }

struct PayoutEntry {
    int first = 0;   // horse or bracket; 0: no entry
    int second = 0;  // 枠連 and 馬連 only
    int payout = 0;  // yen per 100 yen staked
    bool empty() const { return first == 0; }
};

class PayoutTables {
public:
    // The kind's entries of race 1..12 of meeting slot 0..2.
    std::span<const PayoutEntry> race(PayoutKind kind, int slot, int race) const {
        return std::span(entries_[index(kind)][slot][race - 1]).first(PayoutEntryCount(kind));
    }
    std::span<PayoutEntry> race(PayoutKind kind, int slot, int race) {
        return std::span(entries_[index(kind)][slot][race - 1]).first(PayoutEntryCount(kind));
    }
    bool deadHeat(int slot, int race) const;
    void clear() { entries_ = {}; }

private:
    static int index(PayoutKind kind) { return static_cast<int>(kind); }
    using Race = std::array<PayoutEntry, kMaxPayoutEntries>;
    std::array<std::array<std::array<Race, base::kRacesPerDay>, base::kMeetingSlots>, kPayoutKinds> entries_{};
};

// "Th-5834.Jra" for 単勝 of venue 5 in a year ending in 8, 回 3, 日目 4.
std::string PayoutFileName(PayoutKind kind, const base::MeetingTerms& meeting);

// Empties the tables, then reads the four payout files of every meeting slot
// with a venue from the directory of the client's executable.  A file that
// is missing, empty or made for another meeting (venue, 回 or 日目 differ)
// leaves its kind of that slot empty; a race block is taken only when it
// carries its own race number and a result.
void ReadPayoutFiles(PayoutTables& tables, const base::VotingTerms& terms, const std::string& clientExePath);

}  // namespace clientdata

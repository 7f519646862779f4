#include "frontends/simhome/race_day_check.h"

#include <cstdio>
#include <map>
#include <tuple>

#include "base/bet_line.h"
#include "base/bet_line_read_back.h"
#include "betclient/centre/venues.h"
#include "frontends/simhome/prediction_program.h"

namespace simhome {

namespace {

constexpr int kYenPerUnit = 100;

using BetKey = std::tuple<int, int, int, int, int, int>;

// Pairs compare whichever way round they were written.
BetKey keyOf(const centre::Bet& bet) {
    const int low = bet.second != 0 && bet.second < bet.first ? bet.second : bet.first;
    const int high = bet.second != 0 && bet.second < bet.first ? bet.first : bet.second;
    return {bet.venue, bet.race, static_cast<int>(bet.kind), low, high, bet.units};
}

std::optional<centre::Kind> kindOfLetter(char letter) {
    switch (letter) {
    case base::kKindTansho: return centre::Kind::Win;
    case base::kKindFukusho: return centre::Kind::Place;
    case base::kKindWakuren: return centre::Kind::Bracket;
    case base::kKindUmaren: return centre::Kind::Quinella;
    default: return std::nullopt;
    }
}

std::string counted(const centre::Bet& bet, int written, int placed, int left) {
    char counts[96];
    std::snprintf(counts, sizeof counts, ": written %d, placed %d, left after a failed run %d", written, placed,
                  left);
    return BetName(bet) + counts;
}

// A line as BetName writes it: "東京 11R 馬連 03-05 1000" or "東京 1R 単勝 07 500".
std::optional<centre::Bet> betOfName(const std::string& line) {
    char venue[16] = {}, kind[16] = {};
    int race = 0, first = 0, second = 0, yen = 0;
    if (std::sscanf(line.c_str(), "%15s %dR %15s %d-%d %d", venue, &race, kind, &first, &second, &yen) != 6) {
        second = 0;
        if (std::sscanf(line.c_str(), "%15s %dR %15s %d %d", venue, &race, kind, &first, &yen) != 5)
            return std::nullopt;
    }
    for (const centre::Kind k : centre::kAllKinds)
        if (centre::kindName(k) == kind && centre::venueByName(venue) != 0 && centre::isPairKind(k) == (second != 0))
            return centre::Bet{centre::venueByName(venue), race, k, first, second, yen / kYenPerUnit};
    return std::nullopt;
}

std::optional<centre::Bet> betOfCanonicalLine(const std::string& line) {
    base::ReadBackBet read;
    if (!base::ReadBackLine(line.c_str(), read)) return std::nullopt;
    const std::optional<centre::Kind> kind = kindOfLetter(read.kind);
    const int venue = centre::venueByName(read.venue);
    if (!kind || venue == 0) return std::nullopt;
    return centre::Bet{venue, read.race, *kind, read.first, read.second, read.amountYen / kYenPerUnit};
}

}  // namespace

std::vector<centre::Bet> BetsOfList(const std::string& listText) {
    std::vector<centre::Bet> bets;
    std::size_t start = 0;
    while (start < listText.size()) {
        std::size_t end = listText.find('\n', start);
        if (end == std::string::npos) end = listText.size();
        const std::string line = listText.substr(start, end - start);
        start = end + 1;
        std::optional<centre::Bet> bet = betOfCanonicalLine(line);
        if (!bet) bet = betOfName(line);
        if (bet) bets.push_back(*bet);
    }
    return bets;
}

std::optional<std::string> FirstBrokenBet(const std::vector<PlannedBetFile>& files,
                                          const std::vector<centre::LedgerEntry>& ledger,
                                          const std::vector<centre::Bet>& leftAfterFailedRuns) {
    std::map<BetKey, int> written, placed, left;
    for (const PlannedBetFile& file : files)
        for (const centre::Bet& bet : file.bets) ++written[keyOf(bet)];
    for (const centre::LedgerEntry& entry : ledger) ++placed[keyOf(entry.bet)];
    for (const centre::Bet& bet : leftAfterFailedRuns) ++left[keyOf(bet)];

    for (const PlannedBetFile& file : files)
        for (const centre::Bet& bet : file.bets) {
            const BetKey key = keyOf(bet);
            const int w = written[key], p = placed[key], l = left[key];
            if (p > w || w - p > l) return counted(bet, w, p, l);
        }
    for (const centre::LedgerEntry& entry : ledger) {
        const BetKey key = keyOf(entry.bet);
        if (written[key] == 0) return counted(entry.bet, 0, placed[key], left[key]);
    }
    return std::nullopt;
}

}  // namespace simhome

#include "betclient/centre/voting.h"

#include <algorithm>

#include "betclient/centre/sale_codes.h"

namespace centre {

namespace {

bool numbersOnSale(const Race& race, const Bet& bet) {
    switch (bet.kind) {
        case Kind::Win:
        case Kind::Place: return race.horseOnSale(bet.first);
        case Kind::Quinella:
            return bet.first != bet.second && race.horseOnSale(bet.first) && race.horseOnSale(bet.second);
        case Kind::Bracket: {
            if (bet.first < 1 || bet.first > kBrackets || bet.second < 1 || bet.second > kBrackets)
                return false;
            if (bet.first == bet.second)
                return race.sameBracketCodes[bet.first - 1] == kSameBracketOnSale;
            return race.bracketCodes[bet.first - 1] >= kBracketSaleMinimum &&
                   race.bracketCodes[bet.second - 1] >= kBracketSaleMinimum;
        }
    }
    return false;
}

bool sameNumbers(const PayoutEntry& e, const Bet& bet) {
    if (!isPairKind(bet.kind)) return e.first == bet.first;
    return std::min(bet.first, bet.second) == e.first && std::max(bet.first, bet.second) == e.second;
}

}  // namespace

void beginDay(CentreState& state, const Day& day) {
    if (state.year == day.year && state.month == day.month && state.day == day.day) return;
    state.year = day.year;
    state.month = day.month;
    state.day = day.day;
    state.lastReceiptNo = 0;
    state.ledger.clear();
}

bool salesClosed(const Race& race, int now) {
    return toMinutes(now) >= toMinutes(race.startTime) - kCloseMinutesBeforeStart;
}

bool resultPublished(const Race& race, int now) {
    return race.result.known() && toMinutes(now) >= toMinutes(race.startTime) + kResultDelayMinutes;
}

Acceptance checkBet(const Day& day, const Bet& bet, int now) {
    const Race* race = day.race(bet.venue, bet.race);
    if (!race || !race->sells(bet.kind)) return Acceptance::Invalid;
    if (salesClosed(*race, now)) return Acceptance::Closed;
    if (bet.units < 1 || bet.units > kMaxUnitsPerBet || !numbersOnSale(*race, bet))
        return Acceptance::Invalid;
    return Acceptance::Accepted;
}

int payoutOf(const RaceResult& result, const Bet& bet) {
    int payout = 0;
    for (const auto& e : result.of(bet.kind))
        if (sameNumbers(e, bet)) payout += e.payout;
    return payout;
}

int betsRemaining(const CentreState& state) {
    return std::max(0, kBetsPerDay - static_cast<int>(state.ledger.size()));
}

long long purchasedYen(const CentreState& state) {
    long long yen = 0;
    for (const auto& e : state.ledger) yen += 100LL * e.bet.units;
    return yen;
}

long long creditedYen(const Day& day, const CentreState& state, int now) {
    long long yen = 0;
    for (const auto& e : state.ledger) {
        const Race* race = day.race(e.bet.venue, e.bet.race);
        if (race && resultPublished(*race, now))
            yen += static_cast<long long>(payoutOf(race->result, e.bet)) * e.bet.units;
    }
    return yen;
}

long long availableYen(const Day& day, const CentreState& state, int now) {
    long long yen = day.account.purchaseLimit - purchasedYen(state) + creditedYen(day, state, now);
    return std::max(0LL, yen);
}

std::optional<VoteRecord> vote(const Day& day, CentreState& state, const std::vector<Bet>& bets,
                               int now) {
    beginDay(state, day);
    if (bets.empty() || bets.size() > kMaxEntriesPerVote || state.lastReceiptNo >= kMaxReceiptNo)
        return std::nullopt;
    VoteRecord rec;
    rec.receiptNo = ++state.lastReceiptNo;
    rec.logNumber = state.nextLogNumber;
    state.nextLogNumber = (state.nextLogNumber + 1) % kVoteLogNumbers;
    rec.time = now;
    long long available = availableYen(day, state, now);
    int remaining = betsRemaining(state);
    for (const Bet& bet : bets) {
        VoteEntry entry{bet, checkBet(day, bet, now)};
        if (entry.status == Acceptance::Accepted) {
            if (remaining == 0 || 100LL * bet.units > available) {
                entry.status = Acceptance::NotAccepted;
            } else {
                available -= 100LL * bet.units;
                --remaining;
                rec.purchaseUnits += bet.units;
                state.ledger.push_back({rec.receiptNo, static_cast<int>(rec.entries.size()) + 1, bet});
            }
        }
        rec.entries.push_back(entry);
    }
    rec.betsRemaining = remaining;
    rec.availableUnits = static_cast<int>(available / 100);
    return rec;
}

}  // namespace centre

#include "betclient/vote_entry.h"

#include <algorithm>

#include "betclient/centre/sale_codes.h"

namespace betclient {

namespace {

bool isPair(const VoteEntry& e) { return e.kind && centre::isPairKind(*e.kind); }
bool isBracket(const VoteEntry& e) { return e.kind == centre::Kind::Bracket; }
bool takesOneNumber(const VoteEntry& e) { return !isPair(e) || e.wheel == true; }

bool contains(const std::vector<int>& v, int n) { return std::find(v.begin(), v.end(), n) != v.end(); }

centre::Bet betOf(const VoteEntry& e, int first, int second) {
    centre::Bet bet;
    bet.venue = e.venue;
    bet.race = e.race;
    bet.kind = *e.kind;
    bet.first = std::min(first, second == 0 ? first : second);
    bet.second = second == 0 ? 0 : std::max(first, second);
    bet.units = e.units;
    return bet;
}

}  // namespace

void pressDigit(VoteEntry& entry, int digit) {
    if (digit < 0 || digit > 9) return;
    if (entry.amountTaken) clearAmount(entry);
    int limit = 1;
    for (int i = 0; i < kAmountDigits; ++i) limit *= 10;
    if (entry.units * 10 + digit >= limit) return;  // a fifth digit is not taken
    entry.units = entry.units * 10 + digit;
}

void clearAmount(VoteEntry& entry) {
    entry.units = 0;
    entry.amountTaken = false;
}

void chooseKind(VoteEntry& entry, centre::Kind kind, bool pairStartsOnNormal) {
    if (entry.kind == kind) return;
    entry.kind = kind;
    entry.numbers.clear();
    entry.wheel = centre::isPairKind(kind) && pairStartsOnNormal ? std::optional<bool>(entry.wheel.value_or(false))
                                                                 : std::nullopt;
}

void chooseMethod(VoteEntry& entry, bool wheel) {
    if (!isPair(entry) || entry.wheel == wheel) return;
    entry.wheel = wheel;
    entry.numbers.clear();
}

bool cellOpen(const VoteEntry& entry, const centre::Race* race, int cell) {
    if (!race || race->saleCode <= 0 || !entry.kind) return false;
    if (!isBracket(entry)) return race->horseOnSale(cell);
    if (cell >= 1 && cell <= centre::kBrackets) {
        return race->bracketCodes[static_cast<std::size_t>(cell - 1)] >= centre::kBracketSaleMinimum;
    }
    if (cell != kSameBracketCell || entry.numbers.size() != 1 || entry.wheel == true) return false;
    const int chosen = entry.numbers.front();
    const auto code = race->sameBracketCodes[static_cast<std::size_t>(chosen - 1)];
    return code == centre::kSameBracketOnSale || code == centre::kSameBracketCancelled;
}

void clickCell(VoteEntry& entry, int cell) {
    if (!entry.kind) return;
    if (isBracket(entry) && cell == kSameBracketCell) {
        if (entry.numbers.size() == 1 && entry.wheel != true) entry.numbers.push_back(entry.numbers.front());
        return;
    }
    if (contains(entry.numbers, cell)) {
        entry.numbers.erase(std::find(entry.numbers.begin(), entry.numbers.end(), cell));
        return;
    }
    if (takesOneNumber(entry)) {
        entry.numbers = {cell};
    } else if (entry.numbers.size() < 2) {
        entry.numbers.push_back(cell);
    } else {
        entry.numbers.back() = cell;
    }
}

EntryProblem checkEntry(const VoteEntry& entry, const centre::Day& day) {
    if (!entry.kind) return EntryProblem::NoKind;
    if (entry.dayIndex != 0) return EntryProblem::PreviousDay;
    const centre::Race* race = day.race(entry.venue, entry.race);
    if (!race || race->saleCode <= 0) return EntryProblem::NoRace;
    if (isPair(entry)) {
        if (!entry.wheel) return EntryProblem::PairMethod;
        if (*entry.wheel && entry.numbers.size() != 1) return EntryProblem::PairWheel;
        if (!*entry.wheel && entry.numbers.size() != 2) return EntryProblem::PairNumbers;
    } else if (entry.numbers.size() != 1) {
        return EntryProblem::SingleNumber;
    }
    if (entry.units <= 0) return EntryProblem::Amount;
    return EntryProblem::None;
}

std::vector<centre::Bet> expandEntry(const VoteEntry& entry, const centre::Day& day) {
    std::vector<centre::Bet> bets;
    if (checkEntry(entry, day) != EntryProblem::None) return bets;
    if (!isPair(entry)) {
        bets.push_back(betOf(entry, entry.numbers[0], 0));
    } else if (!*entry.wheel) {
        bets.push_back(betOf(entry, entry.numbers[0], entry.numbers[1]));
    } else {
        // 総流し: the chosen number with every partner on sale, in number order.
        const centre::Race* race = day.race(entry.venue, entry.race);
        const int axis = entry.numbers[0];
        const int last = isBracket(entry) ? centre::kBrackets : centre::kMaxHorses;
        for (int partner = 1; partner <= last; ++partner) {
            bool sold = false;
            if (!isBracket(entry)) {
                sold = partner != axis && race->horseOnSale(partner);
            } else if (partner == axis) {
                sold = race->sameBracketCodes[static_cast<std::size_t>(axis - 1)] == centre::kSameBracketOnSale;
            } else {
                sold = race->bracketCodes[static_cast<std::size_t>(partner - 1)] >= centre::kBracketSaleMinimum;
            }
            if (sold) bets.push_back(betOf(entry, axis, partner));
        }
    }
    return bets;
}

bool sameBracketCancelled(const centre::Race* race, int bracket) {
    if (!race || bracket < 1 || bracket > centre::kBrackets) return false;
    return race->sameBracketCodes[static_cast<std::size_t>(bracket - 1)] == centre::kSameBracketCancelled;
}

}  // namespace betclient

// The bet check against the voting terms that decides which bets are
// entered at all.
#include "base/bet_line.h"
#include "base/venue.h"
#include "driver/enter_bet.h"

namespace driver {

namespace {

constexpr int kMinAmountYen = 100;
constexpr int kLastRace = base::kRacesPerDay;
constexpr int kLastHorse = base::kMaxHorses;
constexpr int kLastBracket = base::kBrackets;

bool horseOnSale(const base::RaceTerms& race, int index) {
    return race.horseSaleCodes[static_cast<std::size_t>(index)] == base::kHorseOnSale;
}

}  // namespace

bool BetAllowedByTerms(const base::VotingTerms& terms, int day, const base::ReadBackBet& bet) {
    if (bet.amountYen < kMinAmountYen || day != kDayToday) return false;
    if (bet.race < 1 || bet.race > kLastRace || bet.first < 1 || bet.first > kLastHorse) return false;
    const int slot = terms.slotOfVenue(base::VenueFromName(bet.venue));
    if (slot < 0) return false;
    const base::RaceTerms& race =
        terms.meetings[static_cast<std::size_t>(slot)].races[static_cast<std::size_t>(bet.race - 1)];
    if (race.raceSaleCode <= 0) return false;
    const int a = bet.first - 1;
    const int b = bet.second - 1;
    switch (bet.kind) {
    case base::kKindTansho:
    case base::kKindFukusho: return horseOnSale(race, a);
    case base::kKindWakuren:
        if (a >= kLastBracket || b < 0 || b >= kLastBracket) return false;
        if (a != b) {
            return race.bracketSaleCodes[static_cast<std::size_t>(a)] >= base::kBracketOnSale &&
                   race.bracketSaleCodes[static_cast<std::size_t>(b)] >= base::kBracketOnSale;
        }
        return race.sameBracketSaleCodes[static_cast<std::size_t>(a)] == base::kSameBracketOnSale;
    case base::kKindUmaren:
        if (b < 0 || b >= kLastHorse || a == b) return false;
        return horseOnSale(race, a) && horseOnSale(race, b);
    default: return true;
    }
}

}  // namespace driver

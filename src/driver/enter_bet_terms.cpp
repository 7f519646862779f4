// The bet check against the voting terms that decides which bets are
// entered at all.
#include "betdata/bet_line.h"
#include "betdata/venue.h"
#include "driver/enter_bet.h"

namespace driver {

namespace {

constexpr int kMinAmountYen = 100;
constexpr int kLastRace = clientdata::kRacesPerDay;
constexpr int kLastHorse = clientdata::kMaxHorses;
constexpr int kLastBracket = clientdata::kBrackets;

bool horseOnSale(const clientdata::RaceTerms& race, int index) {
    return race.horseSaleCodes[static_cast<std::size_t>(index)] == clientdata::kHorseOnSale;
}

}  // namespace

bool BetAllowedByTerms(const clientdata::VotingTerms& terms, int day, const ReadBackBet& bet) {
    if (bet.amountYen < kMinAmountYen || day != kDayToday) return false;
    if (bet.race < 1 || bet.race > kLastRace || bet.first < 1 || bet.first > kLastHorse) return false;
    const int slot = terms.slotOfVenue(betdata::VenueFromName(bet.venue));
    if (slot < 0) return false;
    const clientdata::RaceTerms& race =
        terms.meetings[static_cast<std::size_t>(slot)].races[static_cast<std::size_t>(bet.race - 1)];
    if (race.raceSaleCode <= 0) return false;
    const int a = bet.first - 1;
    const int b = bet.second - 1;
    switch (bet.kind) {
    case betdata::kKindTansho:
    case betdata::kKindFukusho: return horseOnSale(race, a);
    case betdata::kKindWakuren:
        if (a >= kLastBracket || b < 0 || b >= kLastBracket) return false;
        if (a != b) {
            return race.bracketSaleCodes[static_cast<std::size_t>(a)] >= clientdata::kBracketOnSale &&
                   race.bracketSaleCodes[static_cast<std::size_t>(b)] >= clientdata::kBracketOnSale;
        }
        return race.sameBracketSaleCodes[static_cast<std::size_t>(a)] == clientdata::kSameBracketOnSale;
    case betdata::kKindUmaren:
        if (b < 0 || b >= kLastHorse || a == b) return false;
        return horseOnSale(race, a) && horseOnSale(race, b);
    default: return true;
    }
}

}  // namespace driver

#include "betclient/centre/brackets.h"

#include "betclient/centre/sale_codes.h"

namespace centre {

std::array<int, kBrackets> bracketSizes(int n) {
    std::array<int, kBrackets> sizes{};
    if (n <= 0 || n > kMaxHorses) return sizes;
    if (n <= kBrackets) {
        for (int b = 0; b < n; ++b) sizes[b] = 1;
        return sizes;
    }
    // Start from two horses per bracket (16) and adjust: fewer horses leave
    // the lowest brackets with one, more add a third from bracket 8 down.
    sizes.fill(2);
    for (int b = 0; b < 2 * kBrackets - n; ++b) sizes[b] = 1;
    for (int extra = 0; extra < n - 2 * kBrackets; ++extra) sizes[kBrackets - 1 - extra] = 3;
    return sizes;
}

int bracketOf(int fieldSize, int horse) {
    if (horse < 1 || horse > fieldSize) return 0;
    auto sizes = bracketSizes(fieldSize);
    int last = 0;
    for (int b = 0; b < kBrackets; ++b) {
        last += sizes[b];
        if (horse <= last) return b + 1;
    }
    return 0;
}

void deriveBracketCodes(Race& race) {
    race.bracketCodes.fill(kBracketNone);
    race.sameBracketCodes.fill(kSameBracketNone);
    if (!race.sells(Kind::Bracket)) return;
    const int n = race.fieldSize();
    std::array<int, kBrackets> drawn{}, running{};
    for (int h = 1; h <= n; ++h) {
        if (race.horseCodes[h - 1] == kHorseNone) continue;
        int b = bracketOf(n, h) - 1;
        ++drawn[b];
        running[b] += race.horseOnSale(h);
    }
    for (int b = 0; b < kBrackets; ++b) {
        if (drawn[b] == 0) continue;
        race.bracketCodes[b] = running[b] == 0            ? kBracketNoRunner
                               : running[b] == drawn[b] ? kBracketOnSale
                                                        : kBracketPartly;
        if (drawn[b] >= 2)
            race.sameBracketCodes[b] = running[b] >= 2 ? kSameBracketOnSale : kSameBracketCancelled;
    }
}

}  // namespace centre

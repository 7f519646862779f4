// Horses are drawn into the eight brackets (枠) by field size: up to eight
// horses get one bracket each; from nine to sixteen the low brackets keep one
// horse and the high brackets take two; seventeen put three in bracket 8,
// eighteen three in brackets 7 and 8.
#pragma once

#include <array>

#include "betclient/centre/day.h"

namespace centre {

// Number of horses in each bracket for a field of n horses (0..18).
std::array<int, kBrackets> bracketSizes(int fieldSize);
// The bracket 1..8 of a horse, or 0 when the horse is outside the field.
int bracketOf(int fieldSize, int horse);

// Sets the bracket and same-bracket sale codes of a race from its horse codes
// and its race sale code (see sale_codes.h).
void deriveBracketCodes(Race& race);

}  // namespace centre

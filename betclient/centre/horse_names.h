// Names for the horses on the race cards, made up from the day, the race and
// the horse number (the same name every time).
#pragma once

#include <string>

#include "betclient/centre/day.h"

namespace centre {

constexpr int kMaxHorseNameBytes = 18;  // nine full-width characters

// A katakana name (Shift-JIS) of at most kMaxHorseNameBytes bytes.
std::string horseName(const Day& day, int venue, int race, int horse);

}  // namespace centre

// The bets parsed from the bet list: a fixed table of at most 300 entries.
#pragma once

#include <array>

#include "base/bet_line.h"

namespace betdata {

constexpr int kMaxBets = 300;

struct BetTable {
    std::array<base::BetLine, kMaxBets> entries{};
    int count = 0;
    int totalYen = 0;  // sum of the amounts x 100, set by rendering

    void clear() {
        entries.fill(base::BetLine{});
        count = 0;
        totalYen = 0;
    }
    bool full() const { return count >= kMaxBets; }
};

}  // namespace betdata

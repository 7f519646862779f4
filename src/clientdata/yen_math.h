// Arithmetic on yen amounts that saturates at the int range instead of
// overflowing: figures come from files and settings another program or the
// user wrote, and a wrapped total is worse than a capped one.
#pragma once

#include <algorithm>
#include <climits>

namespace clientdata {

constexpr int kYenPerUnit = 100;  // the client's amounts are in units of 100 yen

constexpr int SaturateToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

constexpr int UnitsToYen(int units) { return SaturateToInt(static_cast<long long>(units) * kYenPerUnit); }

constexpr int AddYen(int a, int b) { return SaturateToInt(static_cast<long long>(a) + b); }
constexpr int SubtractYen(int a, int b) { return SaturateToInt(static_cast<long long>(a) - b); }

}  // namespace clientdata

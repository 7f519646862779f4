#include "clientdata/full_width.h"

#include <array>

namespace clientdata {

namespace {

constexpr std::array<const char*, 10> kDigits = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
constexpr const char* kMinus = "－";

}  // namespace

std::string ToFullWidth(int value, int maxChars) {
    std::string text;
    if (maxChars <= 0) return text;
    long long magnitude = value;  // -INT_MIN does not fit an int
    int left = maxChars;
    if (magnitude < 0) {
        text += kMinus;
        magnitude = -magnitude;
        if (--left == 0) return text;
    }
    const std::string digits = std::to_string(magnitude);
    for (char digit : digits) {
        if (left-- == 0) break;
        text += kDigits[digit - '0'];
    }
    return text;
}

}  // namespace clientdata

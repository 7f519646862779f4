#include "base/acceptance.h"

#include <algorithm>
#include <array>

namespace base {

namespace {

constexpr std::array<const char*, kAcceptanceLast + 1> kMarks = {"受", "未", "？", "〆", "４", "５", "６", "７"};
constexpr std::array<const char*, kAcceptanceLast + 1> kMeanings = {
    "", "購入可能額またはベット数を超えています", "発売されていません", "締め切られました", "", "", "", ""};

std::size_t index(int status) { return static_cast<std::size_t>(std::clamp(status, 0, kAcceptanceLast)); }

}  // namespace

const char* AcceptanceMark(int status) { return kMarks[index(status)]; }

const char* AcceptanceMeaning(int status) { return kMeanings[index(status)]; }

}  // namespace base

#include "base/bet_line_read_back.h"

#include <cstdio>
#include <cstring>

#include "base/bet_kind.h"
#include "base/bet_line.h"

namespace base {

namespace {

// The read-back formats, each word bounded by kReadBackWordBytes - 1.
constexpr const char* kNamesFormat = "%*d: %15s %*dR %15s";
constexpr const char* kKindFormat = "%*d: %*s %*dR %15s";
constexpr const char* kPairFormat = "%*d: %15s %dR %15s %d-%d %d";
constexpr const char* kSingleFormat = "%*d: %15s %dR %15s %d %d";
constexpr int kNameFields = 2;
constexpr int kPairFields = 6;
constexpr int kSingleFields = 5;
static_assert(kReadBackWordBytes == 16, "the formats' widths are kReadBackWordBytes - 1");

char kindLetter(const char* name) {
    for (const char letter : {kKindTansho, kKindFukusho, kKindWakuren, kKindUmaren}) {
        if (std::strcmp(name, KindName(letter)) == 0) return letter;
    }
    return 0;
}

}  // namespace

bool ReadBackNames(const char* line, char (&venue)[kReadBackWordBytes], char (&kindName)[kReadBackWordBytes]) {
    return std::sscanf(line, kNamesFormat, venue, kindName) == kNameFields;
}

bool ReadBackLine(const char* line, ReadBackBet& bet) {
    char kindName[kReadBackWordBytes] = {};
    if (std::sscanf(line, kKindFormat, kindName) != 1) return false;
    const char kind = kindLetter(kindName);
    if (kind == 0) return false;
    ReadBackBet read;
    read.kind = kind;
    if (isPairKind(kind)) {
        if (std::sscanf(line, kPairFormat, read.venue, &read.race, kindName, &read.first, &read.second,
                        &read.amountYen) != kPairFields)
            return false;
    } else if (std::sscanf(line, kSingleFormat, read.venue, &read.race, kindName, &read.first,
                           &read.amountYen) != kSingleFields) {
        return false;
    }
    bet = read;
    return true;
}

}  // namespace base

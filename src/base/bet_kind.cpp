#include "base/bet_kind.h"

#include "base/bet_line.h"

namespace base {

bool FindKindToken(std::string_view token, char& kind) {
    if (token.empty()) return false;
    std::size_t at = kKindLookupText.find(token);
    if (at == std::string_view::npos) return false;
    std::size_t letterAt = at + kKindLetterOffset;
    kind = letterAt < kKindLookupText.size() ? kKindLookupText[letterAt] : 0;
    return true;
}

const char* KindName(char kind) {
    switch (kind) {
    case kKindTansho: return kKindNameTansho;
    case kKindFukusho: return kKindNameFukusho;
    case kKindWakuren: return kKindNameWakuren;
    case kKindUmaren: return kKindNameUmaren;
    default: return "";
    }
}

}  // namespace base

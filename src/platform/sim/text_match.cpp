#include "platform/sim/text_match.h"

#include "platform/sjis.h"

namespace sim {

std::string foldCase(std::string_view text) { return sjis::upper(text); }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && foldCase(a) == foldCase(b);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && foldCase(text.substr(0, prefix.size())) == foldCase(prefix);
}

}  // namespace sim

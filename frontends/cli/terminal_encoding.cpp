#include "frontends/cli/terminal_encoding.h"

namespace cli {

bool TerminalEncoding::take(const std::string& arg) {
    if (arg == "--utf8") {
        utf8_ = true;
        return true;
    }
    if (arg == "--sjis") {
        sjis_ = true;
        return true;
    }
    return false;
}

bool TerminalEncoding::complete(std::string& error) const {
    if (!utf8_ || !sjis_) return true;
    error = "--utf8 and --sjis exclude each other";
    return false;
}

}  // namespace cli

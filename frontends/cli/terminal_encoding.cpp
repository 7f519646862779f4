#include "frontends/cli/terminal_encoding.h"

#include <langinfo.h>
#include <strings.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace cli {

namespace {

constexpr const char* kUtf8Names[] = {"UTF-8", "UTF8"};

bool namesUtf8(const char* text) {
    for (const char* name : kUtf8Names)
        for (const char* p = text; *p; ++p)
            if (strncasecmp(p, name, std::char_traits<char>::length(name)) == 0) return true;
    return false;
}

// The variable that chooses the character set, as setlocale reads them.
const char* localeName() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return "";
}

// The character set of the locale when it is installed; otherwise what its
// name says (a terminal set to ja_JP.UTF-8 shows UTF-8 whether or not the
// locale's tables are present).  The program itself keeps the "C" locale.
bool readLocale() {
    if (!std::setlocale(LC_CTYPE, "")) return namesUtf8(localeName());
    const bool utf8 = namesUtf8(nl_langinfo(CODESET));
    std::setlocale(LC_CTYPE, "C");
    return utf8;
}

}  // namespace

bool localeIsUtf8() {
    static const bool utf8 = readLocale();
    return utf8;
}

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

// Which encoding the batch commands talk to the person in.  Files are always
// Shift-JIS; standard output and standard error follow the locale: UTF-8
// when its character set is UTF-8, else Shift-JIS.  --utf8 and --sjis
// choose outright; --utf8 also says that the bet text read is UTF-8.
#pragma once

#include <string>

namespace cli {

// True when the locale of the environment (LC_ALL, LC_CTYPE, LANG) uses UTF-8.
bool localeIsUtf8();

class TerminalEncoding {
public:
    // Takes the argument when it is --utf8 or --sjis; false otherwise.
    bool take(const std::string& arg);
    // After the last argument: false, with the reason, for both at once.
    bool complete(std::string& error) const;

    // The bet text read is UTF-8 (--utf8).
    bool utf8Input() const { return utf8_; }
    // Standard output and standard error are UTF-8.
    bool utf8Output() const { return utf8_ || (!sjis_ && localeIsUtf8()); }

private:
    bool utf8_ = false;
    bool sjis_ = false;
};

}  // namespace cli

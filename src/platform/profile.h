// Private-profile (INI) files with Windows semantics: sections and keys are
// matched case-insensitively, lines that are not touched are kept as they
// are, a missing file, section or key gives the default, and an integer is
// the value's leading decimal digits (the default when the key is missing,
// 0 when the value has no leading digit).
#pragma once

#include <string>

namespace plat {

int getProfileInt(const std::string& file, const std::string& section, const std::string& key,
                  int defaultValue);
// The value with leading and trailing blanks removed (and one pair of
// surrounding quotes), or the default when the key is missing.
std::string getProfileString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& defaultValue);
// Creates the file, the section or the key as needed.
bool writeProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value);
bool writeProfileInt(const std::string& file, const std::string& section, const std::string& key,
                     int value);

}  // namespace plat

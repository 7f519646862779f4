// Private-profile files on the host, read and changed as Windows does it.
//
// Integer values: the leading decimal digits after any blanks.  A value
// without a leading digit ("abc", "-5") reads as 0; a key that is missing
// or has an empty value reads as the default (as Windows does); values
// beyond the int range are capped at INT_MAX.  Negative numbers are written
// as "-5" but, like any value without a leading digit, read back as 0.
#include "platform/profile.h"

#include <climits>

#include "platform/files.h"
#include "platform/sim/path_resolve.h"
#include "platform/sim/profile_cache.h"
#include "platform/sjis.h"

namespace plat {

namespace {

// A bare file name lives in the Windows directory, as with the real calls.
bool profileHostPath(const std::string& file, std::string& host) {
    const bool bare = sjis::lastSeparator(file) == std::string::npos && sjis::splitPath(file).drive.empty();
    return sim::resolvePath(bare ? windowsDirectory() + file : file, host);
}

bool readValue(const std::string& file, const std::string& section, const std::string& key,
               std::string& value) {
    std::string host;
    if (key.empty() || !profileHostPath(file, host)) return false;
    bool found = false;
    sim::readProfile(host, [&](const sim::ProfileDocument& document) { found = document.find(section, key, value); });
    return found;
}

std::string trimBlanks(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A name or value that would break the line structure of the file.
bool breaksLine(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

std::string getProfileString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& defaultValue) {
    std::string value;
    if (!readValue(file, section, key, value)) return defaultValue;
    value = trimBlanks(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

int getProfileInt(const std::string& file, const std::string& section, const std::string& key,
                  int defaultValue) {
    std::string value;
    if (!readValue(file, section, key, value)) return defaultValue;
    value = trimBlanks(value);
    if (value.empty()) return defaultValue;
    long long number = 0;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        number = number * 10 + (c - '0');
        if (number > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(number);
}

bool writeProfileString(const std::string& file, const std::string& section,
                        const std::string& key, const std::string& value) {
    // Refused rather than written: a line break would split the entry and
    // a '=' in the key would make it another key.
    if (section.empty() || key.empty() || breaksLine(section) || breaksLine(key) ||
        breaksLine(value) || key.find('=') != std::string::npos) {
        return false;
    }
    std::string host;
    if (!profileHostPath(file, host)) return false;
    // A missing file is created; one that exists but cannot be read is left
    // alone rather than replaced by the new entry alone.
    return sim::changeProfile(host, [&](sim::ProfileDocument& document) { document.set(section, key, value); });
}

bool writeProfileInt(const std::string& file, const std::string& section, const std::string& key,
                     int value) {
    return writeProfileString(file, section, key, std::to_string(value));
}

}  // namespace plat

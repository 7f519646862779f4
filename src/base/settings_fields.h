// Lists of setting keys with the Settings member behind each, so that the
// loader, the dialogs' write sets and the settings listing read and write
// keys in a stated order from one list.
#pragma once

#include <span>
#include <string>

#include "base/profile_store.h"
#include "base/settings.h"

namespace base {

// One key: an integer member or a text member (exactly one is set).
struct Field {
    const char* key;
    int Settings::*number = nullptr;
    std::string Settings::*text = nullptr;
};

constexpr Field intField(const char* key, int Settings::*member) { return {key, member, nullptr}; }
constexpr Field textField(const char* key, std::string Settings::*member) {
    return {key, nullptr, member};
}

// Each missing key keeps the value s already holds (its default).
inline void readFields(ProfileStore& store, const char* section, std::span<const Field> fields,
                       Settings& s) {
    for (const Field& f : fields) {
        if (f.number) s.*f.number = store.getInt(section, f.key, s.*f.number);
        else s.*f.text = store.getString(section, f.key, s.*f.text);
    }
}

inline void writeFields(ProfileStore& store, const char* section, std::span<const Field> fields,
                        const Settings& s) {
    for (const Field& f : fields) {
        if (f.number) store.writeInt(section, f.key, s.*f.number);
        else store.writeString(section, f.key, s.*f.text);
    }
}

// Key groups of section "Define" that are read, written or listed together:
// the five timing values of the environment dialog and the option switches
// with the limits (both in table order), the four paths in the order the
// environment dialog writes them, the FHWARS and Dbmn import options, and
// the two texts other parts of the program keep here.  Then the modem
// settings of "Pat Define".
extern const std::span<const Field> kTimingFields;
extern const std::span<const Field> kSwitchFields;
extern const std::span<const Field> kPathFields;
extern const std::span<const Field> kFhwarsFields;
extern const std::span<const Field> kDbmnFields;
extern const std::span<const Field> kKeptTextFields;
extern const std::span<const Field> kModemFields;

}  // namespace base

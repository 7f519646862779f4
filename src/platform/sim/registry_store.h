// The registry of the simulated desktop: keys, their values, and the text
// form it is kept in on disk.  Internal to src/platform/sim.
//
// Text form (one file, CP932-safe because every byte that could be taken
// for structure or that is not printable ASCII is escaped):
//
//     ; comment
//     [HKU\.Default\Software\Vendor]        a key: root, then its path
//     Modem%20Name=1:4d6f64656d            a value: name=type:data in hex
//
// Roots are HKLM, HKU and HKCU.  In key components and value names the
// bytes outside '!'..'~' and the bytes '%', '\', '=', '[', ']', ';' are
// written as %HH; the type is decimal; data is two hex digits per byte.
// Lines that do not parse are skipped when the file is read.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace sim {

struct RegistryValue {
    std::string name;
    plat::Dword type = 0;
    std::vector<std::uint8_t> data;
};

class RegistryStore {
public:
    RegistryStore();  // the three roots, empty
    static RegistryStore parse(std::string_view text);
    std::string serialize() const;

    // Key names and value names compare ASCII case-insensitively; a path is
    // split at '\' (not at a trail byte) and empty components are skipped.
    bool hasKey(plat::RegRoot root, const std::string& path) const;
    void createKey(plat::RegRoot root, const std::string& path);
    const RegistryValue* value(plat::RegRoot root, const std::string& path, const std::string& name) const;
    // False (and nothing changed) when the key does not exist.
    bool setValue(plat::RegRoot root, const std::string& path, RegistryValue value);

private:
    using Components = std::vector<std::string>;  // root name first
    struct Key {
        Components spelling;
        std::vector<RegistryValue> values;
    };
    static Components components(plat::RegRoot root, const std::string& path);
    static Components folded(const Components& spelling);
    Key* find(const Components& spelling);
    const Key* find(const Components& spelling) const;
    void create(const Components& spelling);
    static void put(Key& key, RegistryValue value);  // adds or replaces by name

    std::map<Components, Key> keys_;  // by case-folded components
};

}  // namespace sim

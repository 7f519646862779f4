#include "platform/sim/registry_store.h"

#include <cstdlib>

#include "platform/sim/text_match.h"
#include "platform/sjis.h"

namespace sim {

namespace {

struct RootName {
    plat::RegRoot root;
    const char* name;
};
constexpr RootName kRoots[] = {
    {plat::RegRoot::LocalMachine, "HKLM"},
    {plat::RegRoot::Users, "HKU"},
    {plat::RegRoot::CurrentUser, "HKCU"},
};

constexpr const char* kHeader = "; Registry of the simulated desktop (escaped text, see registry_store.h)\r\n";
constexpr const char* kHexDigits = "0123456789abcdef";

const char* rootName(plat::RegRoot root) {
    for (const RootName& r : kRoots) {
        if (r.root == root) return r.name;
    }
    return kRoots[0].name;
}

bool needsEscape(unsigned char c) {
    return c < 0x21 || c > 0x7E || c == '%' || c == '\\' || c == '=' || c == '[' || c == ']' || c == ';';
}

std::string escape(std::string_view text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (needsEscape(c)) {
            out += '%';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        } else {
            out += ch;
        }
    }
    return out;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Two hex digits at text[i]; -1 when there are none.
int hexByte(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return -1;
    const int hi = hexValue(text[i]), lo = hexValue(text[i + 1]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

bool unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const int byte = hexByte(text, i + 1);
        if (byte < 0) return false;
        out += static_cast<char>(byte);
        i += 2;
    }
    return true;
}

bool parseKeyLine(std::string_view line, std::vector<std::string>& spelling) {
    if (line.size() < 2 || line.back() != ']') return false;
    line = line.substr(1, line.size() - 2);
    spelling.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = line.find('\\', start);  // escaped text holds no raw trail bytes
        std::string component;
        if (!unescape(line.substr(start, sep - start), component) || component.empty()) return false;
        spelling.push_back(component);
        if (sep == std::string_view::npos) break;
        start = sep + 1;
    }
    for (const RootName& r : kRoots) {
        if (spelling.front() == r.name) return true;
    }
    return false;
}

bool parseValueLine(std::string_view line, RegistryValue& value) {
    const std::size_t eq = line.find('=');
    const std::size_t colon = line.find(':', eq);
    if (eq == std::string_view::npos || colon == std::string_view::npos) return false;
    if (!unescape(line.substr(0, eq), value.name)) return false;
    const std::string type(line.substr(eq + 1, colon - eq - 1));
    char* end = nullptr;
    const unsigned long number = std::strtoul(type.c_str(), &end, 10);
    if (type.empty() || *end != '\0') return false;
    value.type = static_cast<plat::Dword>(number);
    const std::string_view hex = line.substr(colon + 1);
    if (hex.size() % 2 != 0) return false;
    value.data.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int byte = hexByte(hex, i);
        if (byte < 0) return false;
        value.data.push_back(static_cast<std::uint8_t>(byte));
    }
    return true;
}

}  // namespace

RegistryStore::RegistryStore() {
    for (const RootName& r : kRoots) create({r.name});
}

RegistryStore::Components RegistryStore::components(plat::RegRoot root, const std::string& path) {
    Components out{rootName(root)};
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t sep = sjis::find(path, "\\", start, true);
        if (sep == std::string::npos) sep = path.size();
        if (sep > start) out.push_back(path.substr(start, sep - start));
        start = sep + 1;
    }
    return out;
}

RegistryStore::Components RegistryStore::folded(const Components& spelling) {
    Components out;
    for (const std::string& c : spelling) out.push_back(sjis::upper(c));
    return out;
}

RegistryStore::Key* RegistryStore::find(const Components& spelling) {
    auto it = keys_.find(folded(spelling));
    return it == keys_.end() ? nullptr : &it->second;
}

const RegistryStore::Key* RegistryStore::find(const Components& spelling) const {
    auto it = keys_.find(folded(spelling));
    return it == keys_.end() ? nullptr : &it->second;
}

void RegistryStore::create(const Components& spelling) {
    Components prefix;
    for (const std::string& c : spelling) {
        prefix.push_back(c);
        keys_.try_emplace(folded(prefix), Key{prefix, {}});
    }
}

bool RegistryStore::hasKey(plat::RegRoot root, const std::string& path) const {
    return find(components(root, path)) != nullptr;
}

void RegistryStore::createKey(plat::RegRoot root, const std::string& path) { create(components(root, path)); }

const RegistryValue* RegistryStore::value(plat::RegRoot root, const std::string& path,
                                          const std::string& name) const {
    const Key* key = find(components(root, path));
    if (!key) return nullptr;
    for (const RegistryValue& v : key->values) {
        if (equalsIgnoreCase(v.name, name)) return &v;
    }
    return nullptr;
}

bool RegistryStore::setValue(plat::RegRoot root, const std::string& path, RegistryValue value) {
    Key* key = find(components(root, path));
    if (!key) return false;
    put(*key, std::move(value));
    return true;
}

void RegistryStore::put(Key& key, RegistryValue value) {
    for (RegistryValue& v : key.values) {
        if (equalsIgnoreCase(v.name, value.name)) {
            v.type = value.type;  // the name keeps its first spelling
            v.data = std::move(value.data);
            return;
        }
    }
    key.values.push_back(std::move(value));
}

std::string RegistryStore::serialize() const {
    std::string out = kHeader;
    for (const auto& [folded, key] : keys_) {
        out += '[';
        for (std::size_t i = 0; i < key.spelling.size(); ++i) {
            if (i > 0) out += '\\';
            out += escape(key.spelling[i]);
        }
        out += "]\r\n";
        for (const RegistryValue& v : key.values) {
            out += escape(v.name) + "=" + std::to_string(v.type) + ":";
            for (std::uint8_t b : v.data) {
                out += kHexDigits[b >> 4];
                out += kHexDigits[b & 0xF];
            }
            out += "\r\n";
        }
    }
    return out;
}

RegistryStore RegistryStore::parse(std::string_view text) {
    RegistryStore store;
    Key* current = nullptr;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == ';') continue;
        Components spelling;
        RegistryValue value;
        if (line.front() == '[') {
            current = nullptr;
            if (parseKeyLine(line, spelling)) {
                store.create(spelling);
                current = store.find(spelling);
            }
        } else if (current && parseValueLine(line, value)) {
            put(*current, std::move(value));
        }
    }
    return store;
}

}  // namespace sim

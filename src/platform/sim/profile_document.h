// A private-profile (INI) file as its lines, for reading and for changing
// single values while every other line stays byte for byte as it was.  An
// index of the sections and keys makes a lookup independent of the file's
// size.  Internal to src/platform/sim.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sim {

class ProfileDocument {
public:
    explicit ProfileDocument(std::string_view bytes);
    std::string bytes() const;

    // The raw text after '=' of the first key named `key` in the first
    // section named `section` (both compared ASCII case-insensitively, blanks
    // around them ignored).  Lines that are neither "[section]" nor
    // "key=value" are skipped.
    bool find(std::string_view section, std::string_view key, std::string& value) const;

    // Replaces that key's line with "key=value", or adds the key at the end
    // of the section's entries, or adds the section at the end of the file.
    void set(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n" or "" (last line without one)
    };
    // Where a section's entries are: its first section line, and the line
    // that ends it (the next section line or lines_.size()).
    struct Section {
        std::size_t header = 0;
        std::size_t end = 0;
    };
    const Section* findSection(std::string_view section) const;
    // Index of the first line of the key in the section, or npos.
    std::size_t findKey(std::string_view section, std::string_view key) const;
    void insert(std::size_t index, std::string text);
    void buildIndex();

    std::vector<Line> lines_;
    std::unordered_map<std::string, Section> sections_;  // by folded name, first of each name
    std::unordered_map<std::string, std::size_t> keys_;  // by folded "section\nkey", first of each

};

}  // namespace sim

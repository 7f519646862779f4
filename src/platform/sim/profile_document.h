// A private-profile (INI) file as its lines, for reading and for changing
// single values while every other line stays byte for byte as it was.
// Internal to src/platform/sim.
#pragma once

#include <string>
#include <string_view>
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
    // Index of the first section line named `section`, or lines_.size().
    std::size_t findSection(std::string_view section) const;
    // Index of the key line within the section starting at `header`, or the
    // index of the section's end (the next section line or lines_.size()).
    std::size_t findKey(std::size_t header, std::string_view key, bool& found) const;
    void insert(std::size_t index, std::string text);

    std::vector<Line> lines_;
};

}  // namespace sim

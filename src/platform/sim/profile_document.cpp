#include "platform/sim/profile_document.h"

#include "platform/sim/text_match.h"
#include "platform/sjis.h"

namespace sim {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// "[name]": the name between '[' and the last ']' (a ']' that is the trail
// byte of a double-byte character does not close it).
bool sectionLine(std::string_view line, std::string_view& name) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') return false;
    std::size_t close = std::string_view::npos;
    for (std::size_t at = sjis::find(line, "]", 1, true); at != std::string_view::npos;
         at = sjis::find(line, "]", at + 1, true)) {
        close = at;
    }
    if (close == std::string_view::npos) return false;
    name = trimBlanks(line.substr(1, close - 1));
    return true;
}

// "key=value" ('=' is never the trail byte of a double-byte character).
bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = trimBlanks(line.substr(0, eq));
    value = line.substr(eq + 1);
    return true;
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        Line line;
        if (newline == std::string_view::npos) {
            line.text = std::string(bytes.substr(start));
            start = bytes.size();
        } else {
            line.text = std::string(bytes.substr(start, newline - start));
            line.end = "\n";
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = kLineEnd;
            }
            start = newline + 1;
        }
        lines_.push_back(std::move(line));
    }
    buildIndex();
}

std::string ProfileDocument::bytes() const {
    std::string out;
    for (const Line& line : lines_) out += line.text + line.end;
    return out;
}

namespace {

std::string keyIndexName(std::string_view section, std::string_view key) {
    return foldCase(section) + '\n' + foldCase(key);
}

}  // namespace

// Only the first section of a name counts, and in it the first line of each
// key; a later section of the same name is never read (as Windows reads it).
void ProfileDocument::buildIndex() {
    sections_.clear();
    keys_.clear();
    Section* current = nullptr;
    std::string currentName;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name, value;
        if (sectionLine(lines_[i].text, name)) {
            if (current) current->end = i;
            currentName = foldCase(name);
            const auto [entry, added] = sections_.try_emplace(currentName, Section{i, lines_.size()});
            current = added ? &entry->second : nullptr;
        } else if (current && keyLine(lines_[i].text, name, value)) {
            keys_.try_emplace(currentName + '\n' + foldCase(name), i);
        }
    }
}

const ProfileDocument::Section* ProfileDocument::findSection(std::string_view section) const {
    const auto found = sections_.find(foldCase(section));
    return found == sections_.end() ? nullptr : &found->second;
}

std::size_t ProfileDocument::findKey(std::string_view section, std::string_view key) const {
    const auto found = keys_.find(keyIndexName(section, key));
    return found == keys_.end() ? std::string_view::npos : found->second;
}

bool ProfileDocument::find(std::string_view section, std::string_view key, std::string& value) const {
    const std::size_t at = findKey(section, key);
    if (at == std::string_view::npos) return false;
    std::string_view name, text;
    keyLine(lines_[at].text, name, text);
    value = std::string(text);
    return true;
}

void ProfileDocument::insert(std::size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].end.empty()) lines_[index - 1].end = kLineEnd;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), kLineEnd});
}

void ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    const std::size_t at = findKey(section, key);
    const Section* header = findSection(section);
    if (at != std::string_view::npos) {
        // The key keeps the spelling it has in the file.
        std::string_view name, old;
        keyLine(lines_[at].text, name, old);
        lines_[at] = Line{std::string(name) + "=" + std::string(value), kLineEnd};
        return;  // no line moved: the index holds
    }
    if (!header) {
        insert(lines_.size(), "[" + std::string(section) + "]");
        insert(lines_.size(), entry);
    } else {
        // After the section's last entry, before the blank lines that set the
        // next section apart.
        std::size_t end = header->end;
        while (end > header->header + 1 && trimBlanks(lines_[end - 1].text).empty()) --end;
        insert(end, entry);
    }
    buildIndex();
}

}  // namespace sim

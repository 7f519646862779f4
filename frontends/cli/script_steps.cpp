#include "frontends/cli/script_steps.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace cli {

namespace {

using Kind = ScriptStep::Kind;

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerHour = 3600;
// A wait may cover at most a day.
constexpr std::int64_t kLongestWaitSeconds = 24 * kSecondsPerHour;
constexpr long kLargestCommandId = 0xFFFF;
constexpr long kLargestControlId = 0xFFFF;

const std::map<std::string, Kind> kStepNames = {
    {"at", Kind::At},         {"wait", Kind::Wait},     {"idle", Kind::Idle},   {"click", Kind::Click},
    {"command", Kind::Command}, {"type", Kind::Type},   {"paste", Kind::Paste}, {"drop", Kind::Drop},
    {"answer", Kind::Answer}, {"field", Kind::Field},   {"close", Kind::Close}, {"show", Kind::Show},
};

// The number of words each step takes after its name.
int wordsTaken(Kind kind) {
    switch (kind) {
    case Kind::Idle:
    case Kind::Close:
    case Kind::Show: return 0;
    case Kind::Drop:
    case Kind::Answer: return 2;
    case Kind::Field: return 3;
    default: return 1;
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The line without its comment: '#' at the start or after a blank.  A
// Shift-JIS trail byte is never '#' (0x23), so bytes can be compared.
std::string withoutComment(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || isBlank(line[i - 1]))) return line.substr(0, i);
    return line;
}

// Splits into words: blanks separate, double quotes group.  False for an
// unclosed quote.
bool splitWords(const std::string& line, std::vector<std::string>& words) {
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i == line.size()) return true;
        std::string word;
        if (line[i] == '"') {
            ++i;
            for (;; ++i) {
                if (i == line.size()) return false;
                if (line[i] == '"') break;
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
                word += line[i];
            }
            ++i;
        } else {
            while (i < line.size() && !isBlank(line[i])) word += line[i++];
        }
        words.push_back(word);
    }
}

// The text of `type`, `paste` and `field`: \n a line end, \\ a backslash.
// Shift-JIS trail bytes may be '\\' (0x5C): a lead byte takes its trail
// byte along.
std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        if (lead && i + 1 < text.size()) {
            out += text[i];
            out += text[++i];
        } else if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[++i] == 'n' ? '\n' : '\\';
        } else {
            out += text[i];
        }
    }
    return out;
}

bool wholeNumber(const std::string& text, long lowest, long highest, long& value) {
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && stop == end && value >= lowest && value <= highest;
}

// "HH:MM" or "HH:MM:SS" as seconds after midnight.
bool timeOfDay(const std::string& text, std::int64_t& seconds) {
    long fields[3] = {0, 0, 0};
    const long highest[3] = {23, 59, 59};
    std::size_t start = 0;
    int count = 0;
    while (count < 3) {
        const std::size_t colon = text.find(':', start);
        const std::string part = text.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (part.size() != 2 || !wholeNumber(part, 0, highest[count], fields[count])) return false;
        ++count;
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    if (count < 2 || start > text.size()) return false;
    seconds = fields[0] * kSecondsPerHour + fields[1] * kSecondsPerMinute + fields[2];
    return true;
}

// "N", "Ns" or "Nm" as seconds.
bool waitLength(std::string text, std::int64_t& seconds) {
    std::int64_t unit = 1;
    if (!text.empty() && (text.back() == 's' || text.back() == 'm')) {
        unit = text.back() == 'm' ? kSecondsPerMinute : 1;
        text.pop_back();
    }
    long n = 0;
    if (!wholeNumber(text, 1, kLongestWaitSeconds, n) || n * unit > kLongestWaitSeconds) return false;
    seconds = n * unit;
    return true;
}

// Reads the words of one step; false with the reason.
bool readStep(ScriptStep& step, const std::vector<std::string>& words, const std::string& rest,
              std::string& reason) {
    const std::string& first = words.size() > 1 ? words[1] : std::string();
    long number = 0;
    switch (step.kind) {
    case Kind::At:
        if (timeOfDay(first, step.seconds)) return true;
        reason = "at takes a time HH:MM or HH:MM:SS, not \"" + first + "\"";
        return false;
    case Kind::Wait:
        if (waitLength(first, step.seconds)) return true;
        reason = "wait takes N, Ns or Nm (1 second to 24 hours), not \"" + first + "\"";
        return false;
    case Kind::Click:
        step.caption = first;
        if (std::find(kScriptButtonCaptions.begin(), kScriptButtonCaptions.end(), first) != kScriptButtonCaptions.end())
            return true;
        reason = "no button is called \"" + first + "\"";
        return false;
    case Kind::Command:
        if (!wholeNumber(first, 1, kLargestCommandId, number)) {
            reason = "command takes a command id, not \"" + first + "\"";
            return false;
        }
        step.id = static_cast<int>(number);
        return true;
    case Kind::Type:
    case Kind::Paste: step.text = unescaped(rest); return true;
    case Kind::Drop:
        step.file = words[1];
        step.name = words[2];
        return true;
    case Kind::Answer:
        step.match = words[1];
        step.text = words[2];
        return true;
    case Kind::Field:
        step.match = words[1];
        if (!wholeNumber(words[2], 1, kLargestControlId, number)) {
            reason = "field takes a control id, not \"" + words[2] + "\"";
            return false;
        }
        step.id = static_cast<int>(number);
        step.text = unescaped(words[3]);
        return true;
    default: return true;
    }
}

}  // namespace

const std::vector<std::string> kScriptButtonCaptions = {"投票", "STOP", "読込", "ﾏ-ｼﾞ", "ｸﾘｱ", "AUTO", "MANU", "？"};

std::string ScriptFilePath(const std::string& scriptDir, const std::string& file) {
    return !file.empty() && file.front() == '/' ? file : scriptDir + file;
}

bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error) {
    std::size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = withoutComment(line);

        std::vector<std::string> words;
        if (!splitWords(line, words)) {
            error = "line " + std::to_string(number) + ": a quote is not closed";
            return false;
        }
        if (words.empty()) continue;
        std::string reason;
        const auto known = kStepNames.find(words[0]);
        ScriptStep step;
        step.line = number;
        if (known == kStepNames.end()) {
            reason = "unknown step \"" + words[0] + "\"";
        } else {
            step.kind = known->second;
            // The free text of type and paste: everything after the step's
            // name and one blank, as written.
            const std::size_t name = line.find(words[0]);
            const std::string rest = line.substr(std::min(line.size(), name + words[0].size() + 1));
            const bool freeText = step.kind == Kind::Type || step.kind == Kind::Paste;
            const int wanted = wordsTaken(step.kind);
            if (freeText ? words.size() < 2 : static_cast<int>(words.size()) - 1 != wanted) {
                reason = words[0] + " takes " + (freeText ? "a text" : std::to_string(wanted) + (wanted == 1 ? " word" : " words"));
            } else if (readStep(step, words, rest, reason)) {
                steps.push_back(step);
            }
        }
        if (!reason.empty()) {
            error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
    }
    return true;
}

}  // namespace cli

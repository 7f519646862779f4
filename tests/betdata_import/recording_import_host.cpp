#include "recording_import_host.h"

namespace importtest {

std::vector<std::string> stagedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

void setTermsDate(base::VotingTerms& terms, int year, int month, int day) {
    terms.termsYear = year;
    terms.termsMonth = month;
    terms.termsDay = day;
}

void addMeeting(base::VotingTerms& terms, int slot, int venue, int kai, int nichime,
                int raceSaleCode) {
    base::MeetingTerms& m = terms.meetings[slot];
    m.venueCode = static_cast<std::uint8_t>(venue);
    m.kai = static_cast<std::uint8_t>(kai);
    m.nichime = static_cast<std::uint8_t>(nichime);
    for (base::RaceTerms& race : m.races) race.raceSaleCode = static_cast<std::int8_t>(raceSaleCode);
    terms.termsChecked = 1;
}

}  // namespace importtest

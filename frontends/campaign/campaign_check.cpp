#include "frontends/campaign/campaign_check.h"

#include <algorithm>

namespace campaign {

namespace {

constexpr std::size_t kNumberPrefixBytes = 5;  // "001: "

std::string joined(const std::vector<std::string>& bets) {
    std::string text;
    for (const std::string& b : bets) text += (text.empty() ? "" : " | ") + b;
    return text;
}

// a - b as multisets (both sorted).
std::vector<std::string> without(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::vector<std::string> rest;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(rest));
    return rest;
}

}  // namespace

std::vector<std::string> BetsOf(const std::string& list) {
    std::vector<std::string> bets;
    for (std::size_t at = 0; at < list.size();) {
        std::size_t end = list.find('\n', at);
        if (end == std::string::npos) end = list.size();
        std::string line = list.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) bets.push_back(line.size() > kNumberPrefixBytes ? line.substr(kNumberPrefixBytes) : line);
        at = end + 1;
    }
    return bets;
}

std::vector<std::string> CheckRun(const RunOutcome& o) {
    std::vector<std::string> broken;
    std::vector<std::string> given = BetsOf(o.given);
    std::vector<std::string> accounted = BetsOf(o.placed);
    const std::vector<std::string> left = BetsOf(o.left);
    accounted.insert(accounted.end(), left.begin(), left.end());
    std::sort(given.begin(), given.end());
    std::sort(accounted.begin(), accounted.end());
    if (const auto lost = without(given, accounted); !lost.empty())
        broken.push_back("lost: " + joined(lost));
    if (const auto extra = without(accounted, given); !extra.empty())
        broken.push_back("placed or left beyond the list: " + joined(extra));
    if (o.result == 1 && !left.empty()) broken.push_back("result 1 with bets left: " + joined(left));
    if (o.result == 0 && !BetsOf(o.placed).empty()) broken.push_back("bets placed without a run");
    return broken;
}

}  // namespace campaign

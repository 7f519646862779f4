#include "betclient/pending_bets.h"

#include <algorithm>
#include <cstdio>

#include "betclient/format.h"

namespace betclient {

namespace {
constexpr long long kYenPerUnit = 100;
}

bool PendingBets::add(const std::vector<centre::Bet>& bets, bool sameBracketNotice) {
    if (bets.empty() || bets_.size() + bets.size() > static_cast<std::size_t>(centre::kMaxEntriesPerVote)) {
        return false;
    }
    for (const centre::Bet& bet : bets) bets_.push_back({bet, sameBracketNotice});
    return true;
}

void PendingBets::removeFirst(std::size_t count) {
    bets_.erase(bets_.begin(), bets_.begin() + static_cast<std::ptrdiff_t>(std::min(count, bets_.size())));
}

long long PendingBets::totalYen() const {
    long long total = 0;
    for (const PendingBet& p : bets_) total += p.bet.units * kYenPerUnit;
    return total;
}

bool PendingBets::anySameBracketNotice() const {
    return std::any_of(bets_.begin(), bets_.end(), [](const PendingBet& p) { return p.sameBracketNotice; });
}

std::vector<centre::Bet> PendingBets::bets() const {
    std::vector<centre::Bet> out;
    for (const PendingBet& p : bets_) out.push_back(p.bet);
    return out;
}

std::vector<std::string> PendingBets::lines() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < bets_.size(); ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%02zu %s %12s", i + 1, betText(bets_[i].bet).c_str(),
                      formatYen(bets_[i].bet.units * kYenPerUnit).c_str());
        out.push_back(line);
    }
    return out;
}

}  // namespace betclient

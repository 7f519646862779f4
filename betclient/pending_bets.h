// The bets waiting on the vote form to be submitted together.
#pragma once

#include <string>
#include <vector>

#include "betclient/centre/voting.h"

namespace betclient {

struct PendingBet {
    centre::Bet bet;
    bool sameBracketNotice = false;  // 同枠取消 was announced while it was entered
};

class PendingBets {
public:
    // False (nothing added) when the bets would not fit in one vote.
    bool add(const std::vector<centre::Bet>& bets, bool sameBracketNotice);
    // The first `count` bets went to the centre.
    void removeFirst(std::size_t count);
    void clear() { bets_.clear(); }

    bool empty() const { return bets_.empty(); }
    std::size_t size() const { return bets_.size(); }
    long long totalYen() const;
    bool anySameBracketNotice() const;
    std::vector<centre::Bet> bets() const;
    // "01 東京 11R 馬連 03-07    1,000円", one line per bet.
    std::vector<std::string> lines() const;

private:
    std::vector<PendingBet> bets_;
};

}  // namespace betclient

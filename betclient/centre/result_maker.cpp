#include "betclient/centre/result_maker.h"

#include <algorithm>

#include "betclient/centre/brackets.h"
#include "betclient/centre/day_check.h"

namespace centre {

namespace {

// Share of each pool paid back; the minimum payout is the stake itself.
constexpr double kWinReturn = 0.80;
constexpr double kPairReturn = 0.775;
constexpr int kMinPayout = 100;
constexpr int kPlacesFewRunners = 2;
constexpr int kPlacesManyRunners = 3;
constexpr int kManyRunners = 8;
// A place pays roughly a quarter of the win odds above the stake.
constexpr double kPlaceOddsShare = 1.0 / 4.5;

int roundPayout(double yen) {
    if (yen >= kMaxPayout) return kMaxPayout / 10 * 10;
    int p = static_cast<int>(yen / 10.0) * 10;
    return std::max(p, kMinPayout);
}

// Chance that a and b finish first and second in either order.
double pairChance(const WinChances& c, int a, int b) {
    double pa = c[a - 1], pb = c[b - 1];
    double q = 0;
    if (pa < 1) q += pa * pb / (1 - pa);
    if (pb < 1) q += pb * pa / (1 - pb);
    return q;
}

double bracketChance(const Race& race, const WinChances& c, int x, int y) {
    const int n = race.fieldSize();
    double q = 0;
    for (int a = 1; a <= n; ++a)
        for (int b = a + 1; b <= n; ++b) {
            int ba = bracketOf(n, a), bb = bracketOf(n, b);
            if ((ba == x && bb == y) || (ba == y && bb == x)) q += pairChance(c, a, b);
        }
    return q;
}

// Payouts of m winning combinations sharing one pool (m > 1: dead heat):
// each pays its stake back plus an equal share of what the others lost.
void payShared(std::vector<PayoutEntry>& entries, const std::vector<double>& chances,
               double returned) {
    double sum = 0;
    for (double q : chances) sum += q;
    const double m = static_cast<double>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        double q = std::max(chances[i], 1e-6);
        entries[i].payout = roundPayout(100.0 * (1.0 + (returned - sum) / (m * q)));
    }
}

std::vector<int> horsesPlaced(const std::vector<Finisher>& order, int place) {
    std::vector<int> h;
    for (const auto& f : order)
        if (f.place == place) h.push_back(f.horse);
    return h;
}

// The horse pairs that finished first and second.
std::vector<std::pair<int, int>> winningPairs(const std::vector<Finisher>& order) {
    std::vector<std::pair<int, int>> pairs;
    auto first = horsesPlaced(order, 1);
    if (first.size() >= 2) {
        for (std::size_t i = 0; i < first.size(); ++i)
            for (std::size_t j = i + 1; j < first.size(); ++j) pairs.emplace_back(first[i], first[j]);
    } else if (first.size() == 1) {
        for (int h : horsesPlaced(order, 2)) pairs.emplace_back(first[0], h);
    }
    for (auto& p : pairs)
        if (p.first > p.second) std::swap(p.first, p.second);
    return pairs;
}

}  // namespace

int placesPaid(const Race& race) {
    return race.horsesOnSale() >= kManyRunners ? kPlacesManyRunners : kPlacesFewRunners;
}

RaceResult resultFromOrder(const Race& race, const WinChances& c, const std::vector<Finisher>& order) {
    RaceResult res;
    res.order = order;
    const auto pairs = winningPairs(order);

    if (race.sells(Kind::Win)) {
        auto& e = res.of(Kind::Win);
        std::vector<double> q;
        for (int h : horsesPlaced(order, 1)) {
            e.push_back({h, 0, 0});
            q.push_back(c[h - 1]);
        }
        payShared(e, q, kWinReturn);
    }
    if (race.sells(Kind::Place)) {
        const int places = placesPaid(race);
        for (const auto& f : order) {
            if (f.place > places) break;
            double odds = kWinReturn / std::max(c[f.horse - 1], 1e-6);
            res.of(Kind::Place).push_back({f.horse, 0, roundPayout(100.0 * (1.0 + (odds - 1.0) * kPlaceOddsShare))});
        }
    }
    if (race.sells(Kind::Quinella)) {
        auto& e = res.of(Kind::Quinella);
        std::vector<double> q;
        for (auto [a, b] : pairs) {
            e.push_back({a, b, 0});
            q.push_back(pairChance(c, a, b));
        }
        payShared(e, q, kPairReturn);
    }
    if (race.sells(Kind::Bracket)) {
        auto& e = res.of(Kind::Bracket);
        std::vector<double> q;
        const int n = race.fieldSize();
        for (auto [a, b] : pairs) {
            PayoutEntry p{bracketOf(n, a), bracketOf(n, b), 0};
            if (p.first > p.second) std::swap(p.first, p.second);
            if (std::find(e.begin(), e.end(), p) != e.end()) continue;
            e.push_back(p);
            q.push_back(bracketChance(race, c, p.first, p.second));
        }
        payShared(e, q, kPairReturn);
    }
    for (Kind k : kAllKinds)
        if (static_cast<int>(res.of(k).size()) > payoutCapacity(k)) res.of(k).resize(payoutCapacity(k));
    return res;
}

}  // namespace centre

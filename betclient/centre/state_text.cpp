#include "betclient/centre/state_text.h"

#include <cstdio>
#include <string>

#include "betclient/centre/words.h"

namespace centre {

namespace {

constexpr int kBetFields = 9;  // "bet" and its eight numbers

bool parseDate(std::string_view s, CentreState& st) {
    return s.size() == 10 && s[4] == '-' && s[7] == '-' && toInt(s.substr(0, 4), st.year) &&
           toInt(s.substr(5, 2), st.month) && toInt(s.substr(8, 2), st.day);
}

bool parseBet(const std::vector<std::string_view>& w, CentreState& st) {
    if (w.size() != kBetFields) return false;
    int n[kBetFields - 1];
    for (int i = 0; i < kBetFields - 1; ++i)
        if (!toInt(w[i + 1], n[i])) return false;
    if (n[4] < 1 || n[4] > kKindCount) return false;
    st.ledger.push_back({n[0], n[1], {n[2], n[3], static_cast<Kind>(n[4]), n[5], n[6], n[7]}});
    return true;
}

}  // namespace

std::string formatStateText(const CentreState& st) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "date %04d-%02d-%02d\nreceipt %d\nnext-log %d\n", st.year,
                  st.month, st.day, st.lastReceiptNo, st.nextLogNumber);
    std::string text = "# betting centre state: receipts, vote-log number, accepted bets\n";
    text += buf;
    for (const auto& e : st.ledger) {
        const Bet& b = e.bet;
        std::snprintf(buf, sizeof buf, "bet %d %d %d %d %d %d %d %d\n", e.receiptNo, e.line, b.venue,
                      b.race, static_cast<int>(b.kind), b.first, b.second, b.units);
        text += buf;
    }
    return text;
}

bool parseStateText(std::string_view text, CentreState& st, std::string& error) {
    st = CentreState{};
    bool haveDate = false;
    std::string record;
    const int bad = forEachLine(text, [&](int, const std::vector<std::string_view>& w) {
        record = std::string(w[0]);
        if (w[0] == "date") return w.size() == 2 && !haveDate && (haveDate = parseDate(w[1], st));
        if (w[0] == "receipt") return w.size() == 2 && toInt(w[1], st.lastReceiptNo);
        if (w[0] == "next-log")
            return w.size() == 2 && toInt(w[1], st.nextLogNumber) && st.nextLogNumber < kVoteLogNumbers;
        if (w[0] == "bet") return parseBet(w, st);
        return false;
    });
    if (bad != 0) {
        const bool known = record == "date" || record == "receipt" || record == "next-log" || record == "bet";
        error = "line " + std::to_string(bad) + ": " + (known ? "bad \"" + record + "\" record" : "not a state record");
        return false;
    }
    if (!haveDate) error = "no date line";
    return haveDate;
}

}  // namespace centre

// A bet list in memory with everything ParseBetList works on.
#pragma once

#include <string>
#include <vector>

#include "base/recording_notifier.h"
#include "betdata/bet_grammar.h"
#include "betdata/bet_list_memory.h"

namespace betdata_test {

// Lines joined with CR LF, as the list edit holds them.
inline std::string lines(const std::vector<std::string>& ls) {
    std::string text;
    for (std::size_t i = 0; i < ls.size(); ++i) {
        if (i) text += "\r\n";
        text += ls[i];
    }
    return text;
}

// Terms of one meeting at 東京 (slot 0) where everything is on sale: races
// of sale code 15, 16 runners, brackets on sale, same brackets on sale.
inline base::VotingTerms tokyoTerms() {
    base::VotingTerms t;
    t.termsChecked = 1;
    t.meetings[0].venueCode = 5;
    for (auto& race : t.meetings[0].races) {
        race.raceSaleCode = base::kRaceQuinellaCode;
        race.runnerCount = 16;
        for (int h = 0; h < 16; ++h) race.horseSaleCodes[h] = base::kHorseOnSale;
        race.bracketSaleCodes.fill(base::kBracketOnSale);
        race.sameBracketSaleCodes.fill(base::kSameBracketOnSale);
    }
    return t;
}

class FakeConnector : public base::TermsConnector {
public:
    int result = 0;
    std::vector<int> modes;
    int connectClient(int mode) override {
        modes.push_back(mode);
        return result;
    }
};

struct BetListWorld {
    betdata::MemoryBetList list;
    betdata::BetListState state;
    base::VotingTerms terms;
    base::RecordingNotifier notifier;
    FakeConnector connector;
    betdata::BetListContext ctx{list, state, terms, notifier, &connector};

    // Parses text with the terms step skipped; returns the rendered list.
    std::string parse(const std::string& text, betdata::PostStep post = nullptr) {
        list.setText(text);
        betdata::ParseBetList(ctx, true, post);
        return list.text();
    }
    const betdata::BetTable& table() const { return state.table; }
    const base::BetLine& bet(int i) const { return state.table.entries[i]; }
};

}  // namespace betdata_test

namespace betdata_test {

// The table as "venue/race/kind/first-second/units" items, blank-separated.
inline std::string describe(const betdata::BetTable& table) {
    std::string out;
    for (int i = 0; i < table.count; ++i) {
        const base::BetLine& b = table.entries[i];
        if (i) out += ' ';
        out += std::to_string(b.venue) + '/' + std::to_string(b.race) + '/' + b.kind + '/' +
               std::to_string(b.first) + '-' + std::to_string(b.second) + '/' +
               std::to_string(b.amount);
    }
    return out;
}

}  // namespace betdata_test

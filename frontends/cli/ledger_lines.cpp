#include "frontends/cli/ledger_lines.h"

#include <filesystem>
#include <optional>

#include "base/bet_line.h"
#include "betclient/centre/centre.h"
#include "platform/clock.h"
#include "betdata/bet_list_render.h"

namespace cli {

char KindLetter(centre::Kind kind) {
    switch (kind) {
    case centre::Kind::Win: return base::kKindTansho;
    case centre::Kind::Place: return base::kKindFukusho;
    case centre::Kind::Bracket: return base::kKindWakuren;
    case centre::Kind::Quinella: return base::kKindUmaren;
    }
    return 0;
}

std::string LedgerAsBetList(const std::vector<centre::LedgerEntry>& ledger) {
    std::string text;
    int number = 0;
    for (const centre::LedgerEntry& entry : ledger) {
        const centre::Bet& bet = entry.bet;
        base::BetLine line;
        line.venue = static_cast<std::uint8_t>(bet.venue);
        line.race = static_cast<std::uint8_t>(bet.race);
        line.kind = KindLetter(bet.kind);
        line.first = static_cast<std::uint8_t>(bet.first);
        line.second = static_cast<std::uint8_t>(centre::isPairKind(bet.kind) ? bet.second : 0);
        line.amount = static_cast<std::int16_t>(bet.units);
        char buffer[betdata::kCanonicalLineBytes];
        if (betdata::FormatBetLine(buffer, sizeof buffer, ++number, line) > 0) text += buffer;
    }
    return text;
}

std::string DayLedgerAsBetList(const simhome::SimHome& home, std::int64_t startTime) {
    const std::string clientDir = std::filesystem::path(home.clientExePath()).parent_path().string() + "/";
    const plat::LocalTime date = plat::localTime(startTime);
    std::string error;
    const std::optional<centre::Centre> centre =
        centre::Centre::open(clientDir, date.year, date.month, date.day, error);
    return centre ? LedgerAsBetList(centre->ledger()) : std::string();
}

}  // namespace cli

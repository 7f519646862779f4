#include "betdata/refused_bets.h"

#include <cstring>

#include "base/strings.h"
#include "betdata/bet_list_render.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace betdata {

namespace {

constexpr const char* kRefusedHeader = "\nREFUSED BETS %y/%m/%d %H:%M:%S\n";
constexpr std::size_t kNumberPrefixBytes = 5;  // "001: "

}  // namespace

std::string RefusedBetText(const base::RefusedBet& refused) {
    char line[kCanonicalLineBytes];
    const std::size_t length = FormatBetLine(line, sizeof line, 1, refused.bet);
    std::string text = length > kNumberPrefixBytes ? std::string(line + kNumberPrefixBytes, line + length) : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text + " " + base::AcceptanceMark(refused.status);
}

std::string RefusedBetsMessage(const std::vector<base::RefusedBet>& refused) {
    std::string message = base::kTextBetsRefused;
    for (const base::RefusedBet& bet : refused) {
        message += "\n" + RefusedBetText(bet);
        if (const char* meaning = base::AcceptanceMeaning(bet.status); std::strlen(meaning) > 0)
            message += std::string("（") + meaning + "）";
    }
    return message;
}

void WriteRefusedEntry(const base::CurrentBetFile& betFile, std::int64_t clock,
                       const std::vector<base::RefusedBet>& refused) {
    const std::string path = base::BetLogPath(betFile, clock);
    plat::TextFile log;
    if (path.empty() || !log.open(path, plat::TextFile::Mode::Append)) return;
    log.write(plat::formatTime(clock, kRefusedHeader));
    for (const base::RefusedBet& bet : refused) log.write(RefusedBetText(bet) + "\n");
    log.close();
}

}  // namespace betdata

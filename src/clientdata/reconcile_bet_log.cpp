#include "clientdata/reconcile_bet_log.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/bet_kind.h"
#include "base/venue.h"
#include "clientdata/current_info.h"
#include "clientdata/payout_fetch_time.h"
#include "clientdata/payout_report.h"
#include "clientdata/yen_math.h"
#include "platform/files.h"
#include "platform/sjis.h"

namespace clientdata {

namespace {

constexpr std::size_t kLineBuffer = 2048;  // log lines are read up to 2047 bytes
constexpr const char* kScratchExtension = "$$$";
constexpr const char* kAccepted = "受";

// The bet lines of a vote-log echo.  Words are read into kWordBytes buffers.
constexpr std::size_t kWordBytes = 16;
constexpr const char* kBetHead = "%*d %*d %15s %dR %15s";
constexpr int kBetHeadFields = 3;
constexpr const char* kSingleBet = "%*d %*d %15s %dR %15s %d %d 受 %d";
constexpr int kSingleBetFields = 6;
constexpr const char* kPairBet = "%*d %*d %15s %dR %15s %d-%d %d 受 %d";
constexpr int kPairBetFields = 7;
static_assert(kWordBytes == 16, "the formats read words of at most kWordBytes - 1 bytes");

// An echoed bet line is 36 bytes; a won line carries its payout after them.
constexpr std::size_t kBetLineBytes = 36;
constexpr const char* kWideWon = " %10lld\n";   // 単勝, 複勝, 枠連
constexpr const char* kNarrowWon = " %8lld\n";  // 馬連
constexpr const char* kSummary = "\n 収入 %10lld   支出 %10lld   回収率 %7.2f％ \n";

// Kinds by their names, compared in this order.
constexpr std::array<std::pair<const char*, PayoutKind>, kPayoutKinds> kKindNames = {{
    {base::kKindNameUmaren, PayoutKind::Umaren},
    {base::kKindNameWakuren, PayoutKind::Wakuren},
    {base::kKindNameFukusho, PayoutKind::Fukusho},
    {base::kKindNameTansho, PayoutKind::Tansho},
}};

bool isPair(PayoutKind kind) { return kind == PayoutKind::Umaren || kind == PayoutKind::Wakuren; }

struct Bet {
    int slot = -1;
    int race = 0;
    PayoutKind kind = PayoutKind::Tansho;
    int first = 0;
    int second = 0;  // pairs only
    int amount = 0;  // yen
};

// An accepted bet on a meeting of the terms, read from the line.
std::optional<Bet> readBet(const std::string& line, const base::VotingTerms& terms) {
    if (sjis::find(line, kAccepted, 0, true) == std::string::npos) return std::nullopt;
    char venue[kWordBytes] = {}, kindName[kWordBytes] = {};
    Bet bet;
    if (std::sscanf(line.c_str(), kBetHead, venue, &bet.race, kindName) != kBetHeadFields) return std::nullopt;
    bet.slot = terms.slotOfVenue(base::VenueFromToken(venue));
    if (bet.slot < 0 || bet.race < 1 || bet.race > base::kRacesPerDay) return std::nullopt;
    const auto named = std::find_if(kKindNames.begin(), kKindNames.end(),
                                    [&](const auto& k) { return std::strcmp(kindName, k.first) == 0; });
    if (named == kKindNames.end()) return std::nullopt;
    bet.kind = named->second;
    int unused = 0;
    const bool read = isPair(bet.kind)
                          ? std::sscanf(line.c_str(), kPairBet, venue, &bet.race, kindName, &bet.first,
                                        &bet.second, &bet.amount, &unused) == kPairBetFields
                          : std::sscanf(line.c_str(), kSingleBet, venue, &bet.race, kindName, &bet.first,
                                        &bet.amount, &unused) == kSingleBetFields;
    if (!read) return std::nullopt;
    return bet;
}

struct Won {
    long long income = 0;   // every matching entry pays
    long long written = 0;  // the last match is the one the line shows
};

// Products are taken in 64 bits: a large stake times a large payout does not
// fit 32.
std::optional<Won> winnings(const Bet& bet, const PayoutTables& tables) {
    std::optional<Won> won;
    for (const PayoutEntry& entry : tables.race(bet.kind, bet.slot, bet.race)) {
        if (entry.empty() || entry.first != bet.first || (isPair(bet.kind) && entry.second != bet.second))
            continue;
        const long long payout = static_cast<long long>(entry.payout) * bet.amount / kYenPerUnit;
        if (!won) won.emplace();
        won->income += payout;
        won->written = payout;
    }
    return won;
}

// The line's first 36 bytes (blank-padded, so a short hand-written line
// still puts its payout where a later run cuts it off), then the payout.
std::string wonLine(const std::string& line, PayoutKind kind, long long payout) {
    std::string text = line.substr(0, std::min(line.find('\n'), kBetLineBytes));
    text.resize(kBetLineBytes, ' ');
    char tail[32];
    std::snprintf(tail, sizeof tail, kind == PayoutKind::Umaren ? kNarrowWon : kWideWon, payout);
    return text + tail;
}

// Income per 100 yen of expense; 0 when nothing was spent.
double recoveryRate(const ReconcileTotals& totals) {
    return totals.expense == 0 ? 0.0
                               : static_cast<double>(totals.income) / static_cast<double>(totals.expense) * 100.0;
}

}  // namespace

std::optional<ReconcileTotals> WriteReconciledLog(const PayoutTables& tables, const base::VotingTerms& terms,
                                                  const std::string& logPath, const std::string& copyPath) {
    plat::TextFile log, copy;
    if (!log.open(logPath, plat::TextFile::Mode::Read)) return std::nullopt;
    if (!copy.open(copyPath, plat::TextFile::Mode::Write)) return std::nullopt;
    ReconcileTotals totals;
    bool stored = true;
    std::string line;
    while (log.getLine(line, kLineBuffer)) {
        const std::optional<Bet> bet = readBet(line, terms);
        if (bet) {
            totals.expense += bet->amount;
            if (const std::optional<Won> won = winnings(*bet, tables)) {
                totals.income += won->income;
                line = wonLine(line, bet->kind, won->written);
            }
        }
        stored = copy.write(line) && stored;
    }
    stored = copy.print(kSummary, totals.income, totals.expense, recoveryRate(totals)) && stored;
    stored = copy.close() && stored;
    if (!stored) {
        plat::removeFile(copyPath);
        return std::nullopt;
    }
    return totals;
}

bool ReconcileBetLog(PayoutContext& context, std::int64_t clock) {
    base::VotingTerms& terms = context.terms;
    ReadPayoutFiles(context.tables, terms, context.clientExePath);
    const std::string logPath = base::BetLogPath(context.betFile, clock);
    std::string scratchPath = logPath;
    if (logPath.empty() || !base::ReplacePathPart(scratchPath, nullptr, kScratchExtension)) return false;
    const std::optional<ReconcileTotals> totals = WriteReconciledLog(context.tables, terms, logPath, scratchPath);
    if (!totals) return false;
    if (!plat::replaceFile(scratchPath, logPath)) {
        plat::removeFile(scratchPath);
        return false;
    }

    terms.todayPurchase = SaturateToInt(totals->expense);
    terms.todayPayout = SaturateToInt(totals->income);
    terms.periodPurchase = AddYen(terms.todayPurchase, terms.prevDayPurchase);
    terms.periodPayout = AddYen(terms.todayPayout, terms.prevDayPayout);
    context.host.storeCurrentInfo(SaveCurrentInfo(terms));
    context.host.showBetStatus();
    if (UnpackPayoutFetchTime(context.payoutFetchTime).writeReport)
        WritePayoutReport(context.tables, terms, context.betFile, context.notifier);
    return true;
}

}  // namespace clientdata

#include "clientdata/vote_log_echo.h"

#include <array>
#include <cstdio>

#include "base/acceptance.h"
#include "base/bet_kind.h"
#include "base/venue.h"
#include "clientdata/yen_math.h"
#include "platform/clock.h"

namespace clientdata {

namespace {

constexpr const char* kHeader = "\nLOAD LOG FILE %y/%m/%d %H:%M:%S\n";
constexpr const char* kAvailableLine = "投票可能  %9d円 / %3dﾍﾞｯﾄ 受付番号#%04d\n";
constexpr const char* kSingleLine = "%2d %d %4s %2dR %4s    %02d %6d %2s %d\n";  // 単勝, 複勝
constexpr const char* kPairLine = "%2d %d %4s %2dR %4s %02d-%02d %6d %2s %d\n";  // 枠連, 馬連

// Bet kinds of the vote log, 1..4 (BetKind order).
constexpr std::array<const char*, 5> kKindNames = {"", base::kKindNameTansho, base::kKindNameFukusho,
                                                   base::kKindNameWakuren, base::kKindNameUmaren};
constexpr int kTanshou = 1, kFukushou = 2, kWakuren = 3, kUmaren = 4;

}  // namespace

std::string VoteLogEchoHeader(std::int64_t clock) { return plat::formatTime(clock, kHeader); }

std::string VoteLogAvailableLine(const VoteLogRecord& record) {
    char line[128];
    std::snprintf(line, sizeof line, kAvailableLine, UnitsToYen(record.availableUnits), record.betsRemaining,
                  record.receiptNo);
    return line;
}

std::string VoteLogEntryLine(const VoteLogEntry& e) {
    const char* status = base::AcceptanceMark(e.status);
    const int yen = UnitsToYen(e.amountUnits);
    char line[128];
    if (e.kind == kTanshou || e.kind == kFukushou) {
        std::snprintf(line, sizeof line, kSingleLine, e.lineNo, e.digit3, base::VenueName(e.venueCode), e.race,
                      kKindNames[e.kind], e.second, yen, status, e.digit18);
    } else if (e.kind == kWakuren || e.kind == kUmaren) {
        std::snprintf(line, sizeof line, kPairLine, e.lineNo, e.digit3, base::VenueName(e.venueCode), e.race,
                      kKindNames[e.kind], e.first, e.second, yen, status, e.digit18);
    } else {
        return {};
    }
    return line;
}

}  // namespace clientdata

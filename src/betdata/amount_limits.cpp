#include "betdata/amount_limits.h"

#include "base/strings.h"

namespace betdata {

namespace {

// Venues and races index a 12 x 12 grid (venue - 1, race - 1).
constexpr int kGridSize = 12;

// Asks one limit question after the exclamation beep; true for Yes.
bool askToGoOn(base::Notifier& notifier, int messageId) {
    notifier.beep(plat::MB_ICONEXCLAMATION);
    return notifier.message(messageId, plat::MB_YESNO) != plat::IDNO;
}

}  // namespace

LimitDecision CheckAmountLimits(const BetTable& table, const base::Settings& settings,
                                base::Notifier& notifier) {
    int grid[kGridSize][kGridSize] = {};
    int total = 0;
    for (int i = 0; i < table.count; ++i) {
        const base::BetLine& bet = table.entries[i];
        total += bet.amount;
        if (bet.venue >= 1 && bet.venue <= kGridSize && bet.race >= 1 && bet.race <= kGridSize)
            grid[bet.venue - 1][bet.race - 1] += bet.amount;
    }

    bool proceed = true;
    const int raceLimitUnits = settings.limitRace / base::kYenPerUnit;
    bool raceAsked = false;
    for (int v = 0; v < kGridSize && !raceAsked; ++v) {
        for (int r = 0; r < kGridSize && !raceAsked; ++r) {
            if (grid[v][r] > raceLimitUnits) {
                raceAsked = true;
                if (!askToGoOn(notifier, base::kMsgRaceLimitExceeded)) proceed = false;
            }
        }
    }
    if (total > settings.limitTime / base::kYenPerUnit &&
        !askToGoOn(notifier, base::kMsgVoteLimitExceeded))
        proceed = false;
    return proceed ? LimitDecision::Proceed : LimitDecision::Abort;
}

}  // namespace betdata

// PatDriver's process-wide state: the timing values that pace every client
// operation, the position scale factors, the option flags, the client's path
// and the credentials, and what was last set on the vote form.
//
// The window thread and the BetRunner thread both use it; values that either
// thread may write while the other reads are atomics.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "driver/run_progress.h"
#include "platform/wintypes.h"

namespace driver {

// Defaults of the timing settings ("Message Wait", "Action Wait", "Window
// Open Wait" x 1000).
constexpr std::uint32_t kDefaultMessageWaitMs = 100;
constexpr std::uint32_t kDefaultActionWaitMs = 500;
constexpr std::uint32_t kDefaultWindowOpenWaitMs = 2000;

struct DriverTiming {
    std::atomic<std::uint32_t> messageWait{kDefaultMessageWaitMs};
    std::atomic<std::uint32_t> actionWait{kDefaultActionWaitMs};
    std::atomic<std::uint32_t> windowOpenWait{kDefaultWindowOpenWaitMs};
};

struct DriverFlags {
    std::atomic<int> accInp{1};     // type the group total on the confirmation form
    std::atomic<int> autoPat{1};    // press the submit button automatically
    std::atomic<int> skipAnn{1};    // at login, do not fetch the voting terms
    std::atomic<int> forceMode{0};  // on error 11028, retype and force the vote
};

// What was last set on the vote form, so repeated selections are skipped.
struct EntryMemory {
    int day = 0;            // 0 当日, 1 前日 (never reset)
    std::string venue;      // venue name as selected
    int race = -1;          // race - 1
    int kind = -1;          // 0 単勝, 1 複勝, 2 枠連, 3 馬連
    int method = -1;
    int amountUnits = -1;   // amount in units of 100 yen
    int sameBracketSeen = 0;
    // The vote form the selections above were made on.
    plat::Hwnd form = 0;
    void reset() {
        venue.clear();
        race = kind = method = amountUnits = -1;
        sameBracketSeen = 0;
    }
};

struct DriverState {
    // Copied from Settings by LoadDriverSettings.
    std::string clientPath;  // full path of the client's executable ("Pat95 Dir")
    std::string userId;      // at most 8 digits
    std::string password;    // at most 4 digits
    DriverTiming timing;
    DriverFlags flags;
    // Position scaling (CalibrateScale).
    std::atomic<double> scaleX{1.0};
    std::atomic<double> scaleY{1.0};
    EntryMemory entry;
    // Bets entered on the client's vote form ("Ｏ　Ｋ") that no vote the
    // client accepted has taken yet: set at the first entry of a group,
    // cleared when its vote is accepted, its confirmation is left to the
    // user (AutoPat off) or the client has been restarted.
    // While it is set a new group must not be entered beside them.
    std::atomic<bool> entriesPending{false};
    // The vote form last found complete (a form once built stays so).
    plat::Hwnd completeVoteForm = 0;
    // Guards the payout fetch against re-entry from a timer tick.
    std::atomic<bool> infoBusy{false};
    // How far the bet run under way has got, for display.  A run works on a
    // snapshot of this state and reports into the live state's record.
    RunProgress runProgress;
    RunProgress* progress = &runProgress;
};

}  // namespace driver

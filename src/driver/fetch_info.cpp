// Fetching the day's payouts or race cards through the information form.
#include <atomic>

#include "base/strings.h"
#include "base/venue.h"
#include "driver/client_forms.h"
#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/info_screen.h"
#include "driver/input.h"
#include "driver/window_search.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

constexpr int kVenuePicks = 11;
constexpr int kFetchPresses = 11;
// The payout list shows its four kinds in rows (clicked at the middles of
// four bands), the race-card list its twelve races in columns.
constexpr int kPayoutRowBands = 8;
constexpr int kRaceCardColumnBands = 24;
// Rounds of clicking the twelve races of a racecourse until "通信" takes a
// press; a list that never gets there is given up on.
constexpr int kRaceCardRounds = 11;

// Holds the busy flag for one fetch: set here when it was clear, cleared
// again on every way out.
class InfoBusy {
public:
    explicit InfoBusy(std::atomic<bool>& flag) : flag_(flag), owned_(!flag.exchange(true)) {}
    ~InfoBusy() {
        if (owned_) flag_.store(false);
    }
    InfoBusy(const InfoBusy&) = delete;
    InfoBusy& operator=(const InfoBusy&) = delete;
    bool owned() const { return owned_; }

private:
    std::atomic<bool>& flag_;
    bool owned_;
};

ClickPauses listClickPauses(const Waits& waits) { return {waits.message, Times(2, waits.message), waits.message}; }

// The racecourse chosen in the panel's list, then "情報取得": its items
// are listed.
bool listRacecourse(DriverState& state, int venueCode, const Waits& waits) {
    const plat::Point at = Scaled(state, kInfoVenueFrameAt);
    bool chosen = false;
    for (int pick = 0; pick < kVenuePicks && !chosen; ++pick) {
        chosen = SelectInfoComboItem(state, kInfoVenueFrame, base::VenueName(venueCode), at.x, at.y);
        if (!chosen) plat::sleep(waits.action);
    }
    if (!chosen) return false;
    for (int press = 0; press < kFetchPresses; ++press) {
        if (ClickOnForm(state, kInfoFetch) != 0) return true;
        plat::sleep(waits.action);
    }
    return false;
}

plat::Hwnd listAt(const DriverState& state, DesignPoint at) {
    const plat::Point p = Scaled(state, at);
    return FindControlAt(kInfoForm.className, kInfoForm.caption, p.x, p.y);
}

// The four payout kinds, top to bottom.
void clickPayoutRows(const DriverState& state, plat::Hwnd list, const Waits& waits) {
    plat::Rect r;
    plat::getClientRect(list, r);
    for (int k = 1; k < kPayoutRowBands; k += 2)
        ClickAt(state, list, {r.width() / 2, k * (r.height() / kPayoutRowBands)}, listClickPauses(waits));
}

// The twelve races, left to right.
void clickRaceColumns(const DriverState& state, plat::Hwnd list, const Waits& waits) {
    plat::Rect r;
    plat::getClientRect(list, r);
    for (int k = 1; k < kRaceCardColumnBands; k += 2)
        ClickAt(state, list, {k * (r.width() / kRaceCardColumnBands), r.height() / 2}, listClickPauses(waits));
}

bool transferTakesPress(const DriverState& state) {
    const plat::Hwnd transfer = FindOnForm(state, kInfoTransfer);
    return transfer != 0 && plat::isWindowEnabled(transfer);
}

}  // namespace

int FetchPayoutInfo(PatDriver& driver) {
    const InfoBusy busy(driver.state.infoBusy);
    if (!busy.owned()) return 1;
    if (OpenInfoForm(driver) == -1) return -1;
    DriverState& state = driver.state;
    const Waits waits = CurrentWaits(state);
    for (const base::MeetingTerms& meeting : driver.terms.meetings) {
        if (meeting.venueCode == 0) continue;
        if (!listRacecourse(state, meeting.venueCode, waits)) return FailWith(driver, base::kMsgClientFailed);
        const plat::Hwnd list = listAt(state, kInfoPayoutListAt);
        if (list == 0) return 0;  // nothing listed to fetch
        clickPayoutRows(state, list, waits);
    }
    return FinishInfoFetch(driver) == -1 ? -1 : 0;
}

int FetchRaceCards(PatDriver& driver) {
    const InfoBusy busy(driver.state.infoBusy);
    if (!busy.owned()) return 1;
    if (OpenInfoForm(driver) == -1) return -1;
    DriverState& state = driver.state;
    const Waits waits = CurrentWaits(state);
    for (const base::MeetingTerms& meeting : driver.terms.meetings) {
        if (meeting.venueCode == 0) continue;
        if (!listRacecourse(state, meeting.venueCode, waits)) return FailWith(driver, base::kMsgClientFailed);
        bool chosen = false;
        for (int round = 0; round < kRaceCardRounds && !chosen; ++round) {
            const plat::Hwnd list = listAt(state, kInfoRaceCardListAt);
            if (list == 0) return 0;  // nothing listed to fetch
            clickRaceColumns(state, list, waits);
            chosen = transferTakesPress(state);
        }
        if (!chosen) return FailWith(driver, base::kMsgClientFailed);
    }
    return FinishInfoFetch(driver) == -1 ? -1 : 0;
}

}  // namespace driver

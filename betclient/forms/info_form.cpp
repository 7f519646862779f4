#include "betclient/forms/info_form.h"

#include <algorithm>
#include <cstdio>

#include "betclient/centre/venues.h"
#include "betclient/client_app.h"
#include "betclient/controls.h"

namespace betclient {

namespace {

using namespace plat;

enum Id { kComboId = 1, kFetchId, kTransferId, kCloseId, kPayoutListId, kRaceCardListId };

// The panel covers (57, 77).  Its 場名 frame covers (53, 49) taken from the
// form's corner and also taken from the panel's corner, (61, 75) on the
// form, and the list inside it covers (53, 49) on the form.
constexpr DesignRect kPanel{8, 26, 280, 120};
constexpr DesignRect kVenueFrame{14, 36, 200, 100};
constexpr DesignRect kVenueCombo{22, 46, 192, 68};
constexpr DesignRect kFetch{300, 80, 382, 108};     // "情報取得" (341, 94)
constexpr DesignRect kPayoutLabel{20, 126, 260, 146};
constexpr DesignRect kPayoutList{20, 150, 260, 350};   // covers (104, 160)
constexpr DesignRect kRaceCardLabel{290, 176, 722, 196};
constexpr DesignRect kRaceCardList{290, 200, 722, 280};  // covers (494, 240)
constexpr DesignRect kClose{16, 366, 96, 392};      // "閉じる" (56, 379)
constexpr DesignRect kTransfer{102, 366, 182, 392}; // "通信" (142, 379)
constexpr DesignRect kSummary{200, 366, 740, 392};

constexpr int kRaces = 12;

}  // namespace

const FormDesign InfoForm::kDesign{FormKind::Info, "パドック", {758, 412}};

void InfoForm::build() {
    const Hwnd panel = addControl(0, kPanelClass, "", 0, kPanel);
    const Hwnd frame = addFrame("場名", kVenueFrame, panel);
    combo_ = addCombo(kVenueCombo, kComboId, frame);
    for (const centre::Meeting& m : app_.day().meetings) {
        venues_.push_back(m.venue);
        const std::string name(centre::venueName(m.venue));
        sendMessage(combo_, CB_ADDSTRING, 0, reinterpret_cast<Lparam>(name.c_str()));
    }
    if (!venues_.empty()) sendMessage(combo_, CB_SETCURSEL, 0, 0);
    addButton("情報取得", kFetch, kFetchId);
    addLabel("払戻金情報", kPayoutLabel);
    addLabel("出馬表", kRaceCardLabel);
    addButton("閉じる", kClose, kCloseId);
    transfer_ = addButton("通信", kTransfer, kTransferId);
    summary_ = addLabel("", kSummary);
    showState();
}

int InfoForm::comboVenue() const {
    const auto index = sendMessage(combo_, CB_GETCURSEL, 0, 0);
    return index >= 0 && index < static_cast<Lresult>(venues_.size()) ? venues_[static_cast<std::size_t>(index)] : 0;
}

void InfoForm::onCommand(int id, int code, Hwnd) {
    switch (id) {
    case kFetchId:
        if (code == static_cast<int>(BN_CLICKED)) listVenue();
        break;
    case kPayoutListId: toggle(payouts_, code - 1); break;
    case kRaceCardListId: toggle(raceCards_, code); break;
    case kTransferId: {
        if (code != static_cast<int>(BN_CLICKED) || (payouts_.empty() && raceCards_.empty())) break;
        InfoSelection selection;
        for (const auto& [venue, kind] : payouts_) selection.payouts.emplace_back(venue, centre::kAllKinds[static_cast<std::size_t>(kind)]);
        selection.raceCards.assign(raceCards_.begin(), raceCards_.end());
        app_.transferInfo(selection);
        break;
    }
    case kCloseId:
        if (code == static_cast<int>(BN_CLICKED) && !app_.transferBusy()) close();
        break;
    default: break;
    }
}

// "情報取得": the lists of the racecourse chosen in the 場名 list.
void InfoForm::listVenue() {
    listedVenue_ = comboVenue();
    if (listedVenue_ == 0) return;
    if (payoutList_.hwnd() == 0) {
        payoutList_.attach(addControl(0, kListClass, "", 0, kPayoutList, kPayoutListId), ItemList::Layout::Rows);
        raceCardList_.attach(addControl(0, kListClass, "", 0, kRaceCardList, kRaceCardListId), ItemList::Layout::Columns);
    }
    showState();
}

void InfoForm::toggle(std::set<std::pair<int, int>>& chosen, int item) {
    if (listedVenue_ == 0) return;
    const std::pair<int, int> key{listedVenue_, item};
    if (!chosen.erase(key)) chosen.insert(key);
    showState();
}

void InfoForm::reset() {
    payouts_.clear();
    raceCards_.clear();
    listedVenue_ = 0;
    if (payoutList_.hwnd() != 0) destroyWindow(payoutList_.hwnd());
    if (raceCardList_.hwnd() != 0) destroyWindow(raceCardList_.hwnd());
    showState();
}

void InfoForm::showState() {
    if (!alive()) return;
    const auto at = std::find(venues_.begin(), venues_.end(), listedVenue_);
    if (at != venues_.end()) sendMessage(combo_, CB_SETCURSEL, static_cast<Wparam>(at - venues_.begin()), 0);
    if (payoutList_.hwnd() != 0) {
        const int now = centre::clockHhmm();
        const centre::Meeting* meeting = app_.day().meetingAt(listedVenue_);
        std::vector<std::string> labels;
        std::vector<bool> selected;
        for (const centre::Kind kind : centre::kAllKinds) {
            int settled = 0;
            for (int r = 1; meeting && r <= kRaces; ++r) {
                const centre::Race& race = meeting->races[static_cast<std::size_t>(r - 1)];
                if (race.sells(kind) && centre::resultPublished(race, now)) ++settled;
            }
            char label[48];
            std::snprintf(label, sizeof label, "%s　確定 %dR", std::string(centre::kindName(kind)).c_str(), settled);
            labels.emplace_back(label);
            selected.push_back(payouts_.count({listedVenue_, centre::kindIndex(kind)}) != 0);
        }
        payoutList_.show(labels, selected);
        labels.clear();
        selected.clear();
        for (int r = 1; r <= kRaces; ++r) {
            labels.push_back(std::to_string(r) + "R");
            selected.push_back(raceCards_.count({listedVenue_, r}) != 0);
        }
        raceCardList_.show(labels, selected);
    }
    enableWindow(transfer_, !payouts_.empty() || !raceCards_.empty());
    char summary[96];
    std::snprintf(summary, sizeof summary, "選択　払戻金 %zu件　出馬表 %zu件", payouts_.size(), raceCards_.size());
    setWindowText(summary_, summary);
}

}  // namespace betclient

// The vote form: day, racecourse and race in three framed drop-down lists,
// the kind (単勝 複勝 枠連 馬連) and method (通常 総流し) options, the
// number grid, the keypad for the amount in units of 100 yen, "Ｏ　Ｋ" to add
// the bet to the pending list, and "投  票" to submit the list.
#pragma once

#include <array>
#include <vector>

#include "betclient/form.h"
#include "betclient/number_grid.h"
#include "betclient/vote_entry.h"

namespace betclient {

class VoteForm : public Form {
public:
    static const FormDesign kDesign;
    VoteForm(ClientApp& app, int venue);

    // The racecourse chosen elsewhere (venue guide) for the open form.
    void chooseVenue(int venue);
    // The pending list changed (a vote went through).
    void showPending();

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;
    void refresh() override { showEntry(); }

private:
    void buildSelectors();
    void buildKeypad();
    void onSelection(int id);
    void onCell(int cell);
    void confirmBet();
    bool announceSameBracket(int cell);
    void showEntry();
    void showGrid();
    const centre::Race* race() const;

    VoteEntry entry_;
    bool sameBracketNotice_ = false;  // announced for the numbers being entered
    std::vector<int> venues_;         // venue code of each item of the 場名 list
    plat::Hwnd dayCombo_ = 0;
    plat::Hwnd venueCombo_ = 0;
    plat::Hwnd raceCombo_ = 0;
    std::array<plat::Hwnd, 4> kindOptions_{};
    plat::Hwnd normal_ = 0;
    plat::Hwnd wheel_ = 0;
    NumberGrid grid_;
    plat::Hwnd chosen_ = 0;
    plat::Hwnd amount_ = 0;
    plat::Hwnd pendingList_ = 0;
    plat::Hwnd pendingTotal_ = 0;
};

}  // namespace betclient

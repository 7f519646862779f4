// The information form "パドック": a panel with the racecourse list,
// "情報取得" to list what can be fetched for that racecourse (the payout
// kinds in rows, the race cards in twelve columns), "通信" to fetch what was
// selected (enabled once something is), "閉じる".  Selections made for
// several racecourses add up until they are fetched.
#pragma once

#include <set>
#include <utility>
#include <vector>

#include "betclient/form.h"
#include "betclient/item_list.h"

namespace betclient {

class InfoForm : public Form {
public:
    static const FormDesign kDesign;
    explicit InfoForm(ClientApp& app) : Form(app, kDesign) {}

    // After a transfer: nothing selected, no lists shown.
    void reset();

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;
    void refresh() override { showState(); }

private:
    void listVenue();
    void toggle(std::set<std::pair<int, int>>& chosen, int item);
    void showState();
    int comboVenue() const;

    std::vector<int> venues_;  // venue code of each item of the 場名 list
    int listedVenue_ = 0;      // the racecourse the lists show (0: none)
    std::set<std::pair<int, int>> payouts_;    // venue, kind index
    std::set<std::pair<int, int>> raceCards_;  // venue, race
    plat::Hwnd combo_ = 0;
    plat::Hwnd transfer_ = 0;
    plat::Hwnd summary_ = 0;
    ItemList payoutList_;
    ItemList raceCardList_;
};

}  // namespace betclient

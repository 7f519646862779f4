// The vote result: the receipt, every bet with its acceptance, and the
// account after the vote; "閉じる" closes it.
#pragma once

#include "betclient/centre/voting.h"
#include "betclient/form.h"

namespace betclient {

class ResultForm : public Form {
public:
    static const FormDesign kDesign;
    explicit ResultForm(ClientApp& app) : Form(app, kDesign) {}

    // Shows a vote's result (the form may still show an earlier one).
    void showRecord(const centre::VoteRecord& record);

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;

private:
    plat::Hwnd header_ = 0;
    plat::Hwnd entries_ = 0;
    plat::Hwnd totals_ = 0;
};

}  // namespace betclient

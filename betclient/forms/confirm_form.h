// The amount confirmation: the pending count and total, a field for the
// total in yen, "通常投票" (the typed total must match) and "強制投票" (sent
// as it is).
#pragma once

#include "betclient/form.h"

namespace betclient {

class ConfirmForm : public Form {
public:
    static const FormDesign kDesign;
    explicit ConfirmForm(ClientApp& app) : Form(app, kDesign) {}

    // The pending list changed.
    void showTotals();
    // The centre asks for the total again (error 11028).
    void clearTotal();

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;

private:
    void submit(bool forced);

    plat::Hwnd count_ = 0;
    plat::Hwnd total_ = 0;
    plat::Hwnd field_ = 0;
};

}  // namespace betclient

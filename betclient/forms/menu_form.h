// The menu form: present from the end of the login for as long as the user
// is signed in.  "投  票" opens the vote form, "パドック" the information
// form, "終　了" asks whether to end the client.
#pragma once

#include "betclient/form.h"

namespace betclient {

class MenuForm : public Form {
public:
    static const FormDesign kDesign;
    explicit MenuForm(ClientApp& app) : Form(app, kDesign) {}

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;
    bool mayClose() override;
};

}  // namespace betclient

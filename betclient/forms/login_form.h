// The login form: user ID and password, "ＯＫ"; once the centre accepts
// them, the same form asks whether to fetch the day's voting terms
// ("取得する" / "取得しない").  Closing it before that ends the client.
#pragma once

#include "betclient/form.h"

namespace betclient {

class LoginForm : public Form {
public:
    static const FormDesign kDesign;
    explicit LoginForm(ClientApp& app) : Form(app, kDesign) {}

    // After a failed terms fetch: the choice is offered again.
    void offerTermsChoice();
    // The session goes on without this form: closing it no longer ends the client.
    void leave();

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;
    bool mayClose() override;

private:
    enum class Stage { Credentials, Choice, Fetching };
    void confirmCredentials();
    void showTermsChoice();

    Stage stage_ = Stage::Credentials;
    bool leaving_ = false;
    plat::Hwnd userEdit_ = 0;
    plat::Hwnd passwordEdit_ = 0;
    plat::Hwnd ok_ = 0;
    plat::Hwnd fetch_ = 0;
    plat::Hwnd skip_ = 0;
};

}  // namespace betclient

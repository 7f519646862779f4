// The communication form "通信": says what is about to be sent or fetched;
// "ＯＫ" starts the transfer and hides itself while it runs; "中止" stops.
// The form closes when the transfer is over.
#pragma once

#include "betclient/form.h"

namespace betclient {

class CommForm : public Form {
public:
    static const FormDesign kDesign;
    explicit CommForm(ClientApp& app) : Form(app, kDesign) {}

    // The transfer is over: the form goes.
    void finish();

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;
    void onTimer(plat::Uint id) override;
    bool mayClose() override;

private:
    enum class Stage { Ready, Running, Hung, Finished };
    void start();
    void stop();

    Stage stage_ = Stage::Ready;
    plat::Hwnd status_ = 0;
    plat::Hwnd ok_ = 0;
};

}  // namespace betclient

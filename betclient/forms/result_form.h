// The vote result: the receipt, every bet with its acceptance, and the
// account after the vote; "閉じる" closes it.
#pragma once

#include "betclient/centre/voting.h"
#include "betclient/form.h"

namespace betclient {

class ResultForm : public Form {
public:
    static const FormSpec kSpec;
    ResultForm(ClientApp& app, centre::VoteRecord record) : Form(app, kSpec), record_(std::move(record)) {}

protected:
    void build() override;
    void onCommand(int id, int code, plat::Hwnd control) override;

private:
    centre::VoteRecord record_;
};

}  // namespace betclient

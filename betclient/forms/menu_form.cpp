#include "betclient/forms/menu_form.h"

#include "betclient/client_app.h"
#include "betclient/format.h"

namespace betclient {

namespace {

using namespace plat;

enum Id { kVoteId = 1, kInfoId, kQuitId };

constexpr DesignRect kStatus{10, 26, 700, 50};
constexpr DesignRect kVote{10, 56, 100, 82};    // "投  票" (55, 69)
constexpr DesignRect kInfo{110, 56, 200, 82};   // "パドック" (155, 69)
constexpr DesignRect kQuit{610, 56, 700, 82};   // "終　了" (655, 69)

}  // namespace

const FormDesign MenuForm::kDesign{FormKind::Menu, "JRA PAT for Win95", {711, 87}};

void MenuForm::build() {
    const centre::Day& day = app_.day();
    addLabel(dateText(day.year, day.month, day.day) + "　ユーザーＩＤ " + day.account.userId, kStatus);
    addButton("投  票", kVote, kVoteId);
    addButton("パドック", kInfo, kInfoId);
    addButton("終　了", kQuit, kQuitId);
}

void MenuForm::onCommand(int id, int code, Hwnd) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case kVoteId: app_.openVote(0); break;
    case kInfoId: app_.openInfo(); break;
    case kQuitId: app_.askQuit(*this); break;
    default: break;
    }
}

bool MenuForm::mayClose() {
    app_.defer([this, &app = app_] {
        if (Form* menu = app.anyForm(FormKind::Menu); menu == this) app.askQuit(*this);
    });
    return false;
}

}  // namespace betclient

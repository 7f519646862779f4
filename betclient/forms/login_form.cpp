#include "betclient/forms/login_form.h"

#include "betclient/client_app.h"
#include "betclient/controls.h"

namespace betclient {

namespace {

using namespace plat;

enum Id { kOkId = 1, kQuitId, kFetchId, kSkipId, kUserId, kPasswordId };

constexpr std::size_t kUserIdDigits = 8;
constexpr std::size_t kPasswordDigits = 4;

constexpr DesignRect kTitle{40, 40, 611, 80};
constexpr DesignRect kGuide{40, 220, 611, 244};
// The two fields sit in a panel, so that a search descending from the form
// by position reaches them: the password at (484, 352), the user ID at
// (504, 322).
constexpr DesignRect kFieldPanel{300, 290, 620, 380};
constexpr DesignRect kUserLabel{310, 312, 430, 332};
constexpr DesignRect kUserEdit{440, 310, 600, 334};
constexpr DesignRect kPasswordLabel{310, 342, 430, 362};
constexpr DesignRect kPasswordEdit{440, 340, 540, 364};
constexpr DesignRect kOk{331, 400, 431, 426};      // "ＯＫ" (381, 412)
constexpr DesignRect kQuit{451, 400, 551, 426};
constexpr DesignRect kPrompt{40, 88, 400, 108};
constexpr DesignRect kFetch{49, 114, 149, 140};    // "取得する" (99, 127)
constexpr DesignRect kSkip{199, 114, 299, 140};    // "取得しない" (249, 127)

constexpr Dword kFieldStyle = ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP;

}  // namespace

const FormDesign LoginForm::kDesign{FormKind::Login, "JRA PAT for Win 95", {651, 493}};

void LoginForm::build() {
    addLabel("ＰＡＴ投票　ログイン", kTitle);
    addLabel("ユーザーＩＤとパスワードを入力し、ＯＫを押してください。", kGuide);
    const Hwnd panel = addControl(0, kPanelClass, "", 0, kFieldPanel);
    addLabel("ユーザーＩＤ", kUserLabel, panel);
    userEdit_ = addControl(panel, "Edit", "", kFieldStyle, kUserEdit, kUserId);
    addLabel("パスワード", kPasswordLabel, panel);
    passwordEdit_ = addControl(panel, "Edit", "", kFieldStyle | ES_PASSWORD, kPasswordEdit, kPasswordId);
    sendMessage(userEdit_, EM_LIMITTEXT, kUserIdDigits, 0);
    sendMessage(passwordEdit_, EM_LIMITTEXT, kPasswordDigits, 0);
    ok_ = addButton("ＯＫ", kOk, kOkId);
    addButton("終了", kQuit, kQuitId);
    setFocus(userEdit_);
}

void LoginForm::onCommand(int id, int code, Hwnd) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case kOkId:
        if (stage_ == Stage::Credentials) confirmCredentials();
        break;
    case kQuitId: close(); break;
    case kFetchId:
        if (stage_ != Stage::Choice) break;
        stage_ = Stage::Fetching;
        enableWindow(fetch_, false);
        enableWindow(skip_, false);
        app_.fetchTerms();
        break;
    case kSkipId:
        if (stage_ == Stage::Choice) app_.finishLogin();
        break;
    default: break;
    }
}

void LoginForm::confirmCredentials() {
    const std::string user = getWindowText(userEdit_);
    const std::string password = getWindowText(passwordEdit_);
    if (!app_.logIn(user, password, *this)) {
        if (alive()) {
            setWindowText(passwordEdit_, "");
            setFocus(passwordEdit_);
        }
        return;
    }
    if (alive()) showTermsChoice();
}

void LoginForm::showTermsChoice() {
    stage_ = Stage::Choice;
    enableWindow(userEdit_, false);
    enableWindow(passwordEdit_, false);
    enableWindow(ok_, false);
    addLabel("本日の投票要項を取得しますか？", kPrompt);
    fetch_ = addButton("取得する", kFetch, kFetchId);
    skip_ = addButton("取得しない", kSkip, kSkipId);
    setFocus(fetch_);
}

void LoginForm::offerTermsChoice() {
    if (stage_ != Stage::Fetching) return;
    stage_ = Stage::Choice;
    enableWindow(fetch_, true);
    enableWindow(skip_, true);
}

void LoginForm::leave() {
    leaving_ = true;
    close();
}

bool LoginForm::mayClose() {
    if (stage_ == Stage::Fetching && !leaving_) return false;
    if (!leaving_) app_.defer([&app = app_] { app.quit(); });
    return true;
}

}  // namespace betclient

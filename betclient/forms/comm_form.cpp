#include "betclient/forms/comm_form.h"

#include "betclient/client_app.h"

namespace betclient {

namespace {

using namespace plat;

enum Id { kOkId = 1, kStopId };
constexpr Uint kTransferTimer = 1;

constexpr DesignRect kStatus{20, 36, 320, 90};
constexpr DesignRect kOk{92, 100, 172, 130};    // "ＯＫ" (132, 115)
constexpr DesignRect kStop{184, 100, 264, 130};

}  // namespace

const FormDesign CommForm::kDesign{FormKind::Comm, "通信", {340, 170}};

void CommForm::build() {
    const CommJob* job = app_.job();
    status_ = addLabel((job ? job->what : std::string()) + "\nＯＫを押すと通信を開始します。", kStatus);
    ok_ = addButton("ＯＫ", kOk, kOkId);
    addButton("中止", kStop, kStopId);
    setFocus(ok_);
}

void CommForm::onCommand(int id, int code, Hwnd) {
    if (code != static_cast<int>(BN_CLICKED)) return;
    if (id == kOkId && stage_ == Stage::Ready) start();
    if (id == kStopId) stop();
}

void CommForm::start() {
    showWindow(ok_, SW_HIDE);
    setWindowText(status_, "通信中です。しばらくお待ちください。");
    const auto duration = app_.beginTransfer();
    if (duration) {
        stage_ = Stage::Running;
        setTimer(hwnd(), kTransferTimer, *duration);
    } else {
        stage_ = Stage::Hung;  // never answered; only 中止 ends it
    }
}

void CommForm::onTimer(Uint id) {
    if (id != kTransferTimer || stage_ != Stage::Running) return;
    killTimer(hwnd(), kTransferTimer);
    app_.transferEnded();
}

void CommForm::stop() {
    if (stage_ == Stage::Finished) return;
    const bool running = stage_ != Stage::Ready;
    if (stage_ == Stage::Running) killTimer(hwnd(), kTransferTimer);
    app_.stopTransfer(running);
}

void CommForm::finish() {
    stage_ = Stage::Finished;
    close();
}

bool CommForm::mayClose() {
    if (stage_ == Stage::Finished) return true;
    stop();
    return false;
}

}  // namespace betclient

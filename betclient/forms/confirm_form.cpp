#include "betclient/forms/confirm_form.h"

#include <cstdio>

#include "betclient/client_app.h"
#include "betclient/format.h"
#include "betclient/messages.h"

namespace betclient {

namespace {

using namespace plat;

enum Id { kFieldId = 1, kNormalId, kForcedId, kBackId };

constexpr std::size_t kTotalDigits = 8;  // 50 bets of up to 999,900 yen: 49,995,000

constexpr DesignRect kCount{20, 40, 460, 62};
constexpr DesignRect kTotal{20, 66, 460, 88};
constexpr DesignRect kFieldLabel{20, 118, 290, 140};
// The first tab stop covering (387, 128).
constexpr DesignRect kField{300, 116, 460, 140};
constexpr DesignRect kNormal{20, 188, 105, 216};   // "通常投票" (62, 202)
constexpr DesignRect kForced{115, 188, 205, 216};  // "強制投票" (160, 201)
constexpr DesignRect kBack{370, 188, 460, 216};

// The digits of the field as a number; -1 when it is empty or holds
// anything else.
long long typedAmount(const std::string& typed) {
    if (typed.empty() || typed.size() > kTotalDigits) return -1;
    long long value = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

const FormDesign ConfirmForm::kDesign{FormKind::Confirm, "投票金額確認", {480, 260}};

void ConfirmForm::build() {
    count_ = addLabel("", kCount);
    total_ = addLabel("", kTotal);
    addLabel("合計金額（円）を入力してください", kFieldLabel);
    field_ = addControl(0, "Edit", "", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, kField, kFieldId);
    sendMessage(field_, EM_LIMITTEXT, kTotalDigits, 0);
    addButton("通常投票", kNormal, kNormalId);
    addButton("強制投票", kForced, kForcedId);
    addButton("戻る", kBack, kBackId);
    showTotals();
    setFocus(field_);
}

void ConfirmForm::showTotals() {
    if (!alive()) return;
    char line[64];
    std::snprintf(line, sizeof line, "投票件数　%zu件", app_.pending().size());
    setWindowText(count_, line);
    setWindowText(total_, "投票金額　" + formatYen(app_.pending().totalYen()));
}

void ConfirmForm::clearTotal() {
    if (!alive()) return;
    setWindowText(field_, "");
    setFocus(field_);
}

void ConfirmForm::onCommand(int id, int code, Hwnd) {
    if (code != static_cast<int>(BN_CLICKED)) return;
    if (id == kNormalId || id == kForcedId) submit(id == kForcedId);
    if (id == kBackId && !app_.transferBusy()) close();
}

void ConfirmForm::submit(bool forced) {
    if (app_.transferBusy()) return;  // a press while the vote is on its way
    if (app_.pending().empty()) {
        app_.box(this, text::kInfoCaption, text::kNothingToVote, box::kNotice);
        return;
    }
    if (!forced) {
        const bool matches = typedAmount(getWindowText(field_)) == app_.pending().totalYen();
        // The fault turns a right total into a wrong one.
        if (!matches || app_.faults().take(fault::kTotalMismatch)) {
            app_.box(this, text::kInfoCaption, text::kTotalWrong, box::kTotalWrong);
            return;
        }
        if (app_.pending().anySameBracketNotice()) {
            app_.box(this, text::kInfoCaption, text::kNormalRefused, box::kNotice);
            return;
        }
    }
    app_.submitVote();
}

}  // namespace betclient

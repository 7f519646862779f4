#include "betclient/forms/result_form.h"

#include <array>
#include <cstdio>

#include "betclient/client_app.h"
#include "betclient/format.h"

namespace betclient {

namespace {

using namespace plat;

constexpr int kCloseId = 1;
constexpr long long kYenPerUnit = 100;

constexpr DesignRect kHeader{15, 30, 505, 52};
constexpr DesignRect kEntries{15, 56, 505, 380};
constexpr DesignRect kTotals{15, 386, 505, 426};
constexpr DesignRect kClose{15, 432, 95, 458};  // "閉じる" (48, 445)

// Acceptance marks, by centre::Acceptance.
constexpr std::array<const char*, 4> kStatusMarks = {"受付", "未受付", "？", "〆切"};

}  // namespace

const FormDesign ResultForm::kDesign{FormKind::Result, "投票結果", {520, 480}};

void ResultForm::build() {
    header_ = addLabel("", kHeader);
    entries_ = addControl(0, "Edit", "", ES_MULTILINE | ES_READONLY | WS_VSCROLL, kEntries);
    totals_ = addLabel("", kTotals);
    addButton("閉じる", kClose, kCloseId);
}

void ResultForm::showRecord(const centre::VoteRecord& record) {
    if (!alive()) return;
    char line[160];
    std::snprintf(line, sizeof line, "受付番号　%04d　　受付時刻　%02d:%02d", record.receiptNo, record.time / 100,
                  record.time % 100);
    setWindowText(header_, line);
    std::string entries;
    for (std::size_t i = 0; i < record.entries.size(); ++i) {
        const centre::VoteEntry& e = record.entries[i];
        std::snprintf(line, sizeof line, "%02zu %s %12s %s\r\n", i + 1, betText(e.bet).c_str(),
                      formatYen(e.bet.units * kYenPerUnit).c_str(),
                      kStatusMarks[static_cast<std::size_t>(e.status) % kStatusMarks.size()]);
        entries += line;
    }
    setWindowText(entries_, entries);
    std::snprintf(line, sizeof line, "購入金額　%s　　残り投票件数　%d件\n投票可能額　%s",
                  formatYen(record.purchaseUnits * kYenPerUnit).c_str(), record.betsRemaining,
                  formatYen(record.availableUnits * kYenPerUnit).c_str());
    setWindowText(totals_, line);
}

void ResultForm::onCommand(int id, int code, Hwnd) {
    if (id == kCloseId && code == static_cast<int>(BN_CLICKED)) close();
}

}  // namespace betclient

#include "app/payout_commands.h"

#include "base/dialog_parts.h"
#include "base/settings_write_sets.h"
#include "clientdata/payout_report.h"
#include "ui/payout_fetch.h"

namespace app {

namespace {

using namespace base::dlg;

constexpr const char* kAutoFetchCaption = "自動取得機能を使用する";
constexpr const char* kFetchTimeLabel = "・指定時間に自動取得・・・・・・・・";
constexpr const char* kHourLabel = "時";
constexpr const char* kMinuteLabel = "分";
constexpr const char* kWriteReportCaption = "取得後払戻情報ファイルを生成する";
constexpr const char* kFetchNowCaption = "今すぐ取得";
constexpr int kMinuteMax = 59;

class PayoutFetchDialog : public plat::Dialog {
public:
    explicit PayoutFetchDialog(int storedTime) : plat::Dialog(PayoutDialogTemplate()) {
        const clientdata::PayoutFetchTime time = clientdata::UnpackPayoutFetchTime(storedTime);
        autoFetch_ = time.autoFetch ? 1 : 0;
        hour_ = time.hour;
        minute_ = time.minute;
        writeReport_ = time.writeReport ? 1 : 0;
    }
    // The value to store after OK.
    int storedTime() const {
        return clientdata::PackPayoutFetchTime({hour_, minute_, autoFetch_ != 0, writeReport_ != 0});
    }

protected:
    void doDataExchange(plat::DataExchange& dx) override {
        dx.check(kIdAutoFetch, autoFetch_);
        dx.integer(kIdFetchHour, hour_, kFirstFetchHour, kLastFetchHour);
        dx.integer(kIdFetchMinute, minute_, 0, kMinuteMax);
        dx.check(kIdWriteReport, writeReport_);
    }
    // 今すぐ取得 ends the dialog without taking the fields.
    bool onCommand(int id, int /*notifyCode*/) override {
        if (id != kIdFetchNow) return false;
        endDialog(kIdFetchNow);
        return true;
    }

private:
    int autoFetch_, hour_, minute_, writeReport_;
};

}  // namespace

plat::DialogTemplate PayoutDialogTemplate() {
    plat::DialogTemplate t = DialogFrame(kPayoutDialogCaption, 214, 86);
    t.items = {
        {kIdAutoFetch, "Button", kAutoFetchCaption, kCheckStyle, 10, 8, 150, 10},
        {kNoId, "Static", kFetchTimeLabel, kLabelStyle, 18, 26, 110, 10},
        {kIdFetchHour, "Edit", "", kNumberFieldStyle, 130, 24, 18, 12},
        {kNoId, "Static", kHourLabel, kLabelStyle, 150, 26, 10, 10},
        {kIdFetchMinute, "Edit", "", kNumberFieldStyle, 164, 24, 18, 12},
        {kNoId, "Static", kMinuteLabel, kLabelStyle, 184, 26, 10, 10},
        {kIdWriteReport, "Button", kWriteReportCaption, kCheckStyle, 10, 44, 170, 10},
        {kIdFetchNow, "Button", kFetchNowCaption, kButtonStyle, 10, 64, 60, 14},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 100, 64, 50, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 156, 64, 50, 14},
    };
    return t;
}

PayoutDialogChoice ShowPayoutFetchDialog(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile) {
    PayoutFetchDialog dialog(settings.haraimodoshiInfoGetTime);
    switch (dialog.doModal(owner)) {
    case plat::IDOK:
        settings.haraimodoshiInfoGetTime = dialog.storedTime();
        base::WritePayoutTimeSetting(profile, settings);
        return PayoutDialogChoice::Saved;
    case kIdFetchNow:
        return PayoutDialogChoice::FetchNow;
    default:
        return PayoutDialogChoice::Cancel;
    }
}

std::optional<int> PayoutFetchCommand(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                                      driver::PatDriver& driver, clientdata::PayoutContext& payouts,
                                      const base::RunState& runState) {
    if (ShowPayoutFetchDialog(owner, settings, profile) != PayoutDialogChoice::FetchNow) return std::nullopt;
    if (runState.load() != base::kRunIdle) {
        plat::messageBeep(plat::MB_ICONASTERISK);
        return std::nullopt;
    }
    return ui::FetchAndReconcilePayouts(driver, payouts);
}

void PayoutReportCommand(clientdata::PayoutContext& payouts, std::int64_t clock) {
    const bool reported = clientdata::ReconcileBetLog(payouts, clock) &&
                          clientdata::UnpackPayoutFetchTime(payouts.payoutFetchTime).writeReport;
    if (!reported) clientdata::WritePayoutReport(payouts.tables, payouts.terms, payouts.betFile, payouts.notifier);
}

}  // namespace app

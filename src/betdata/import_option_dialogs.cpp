#include "betdata/import_option_dialogs.h"

#include "base/dialog_parts.h"
#include "base/settings_write_sets.h"
#include "platform/dialog.h"

namespace betdata {

namespace {

using namespace base::dlg;

constexpr const char* kYen = "円";

plat::DialogTemplate fhwarsTemplate() {
    plat::DialogTemplate t = DialogFrame(kFhwarsDialogCaption, 190, 86);
    t.items = {
        {kNoId, "Static", "購入金額", plat::SS_LEFT, 112, 6, 40, 8},
        {kIdFhwarsTan, "Button", "・単勝・・・・・・・・・・・・・", kCheckStyle, 8, 18, 100, 10},
        {kIdFhwarsTanAmount, "Edit", "", kNumberFieldStyle, 112, 17, 50, 12},
        {kNoId, "Static", kYen, plat::SS_LEFT, 166, 19, 12, 8},
        {kIdFhwarsFuku, "Button", "・単勝を複勝として・・・", kCheckStyle, 8, 34, 100, 10},
        {kIdFhwarsFukuAmount, "Edit", "", kNumberFieldStyle, 112, 33, 50, 12},
        {kNoId, "Static", kYen, plat::SS_LEFT, 166, 35, 12, 8},
        {kIdFhwarsRen, "Button", "・連勝・・・・・・・・・・・・・", kCheckStyle, 8, 50, 100, 10},
        {kIdFhwarsRenAmount, "Edit", "", kNumberFieldStyle, 112, 49, 50, 12},
        {kNoId, "Static", kYen, plat::SS_LEFT, 166, 51, 12, 8},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 48, 66, 44, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 100, 66, 44, 14},
    };
    return t;
}

plat::DialogTemplate dbmnTemplate() {
    plat::DialogTemplate t = DialogFrame(kDbmnDialogCaption, 170, 62);
    t.items = {
        {kNoId, "Static", "ダブリ数", plat::SS_LEFT, 8, 8, 40, 8},
        {kIdDbmnSoft, "Edit", "", kNumberFieldStyle, 50, 6, 36, 12},
        {kNoId, "Static", "ソフト以上を取り込む", plat::SS_LEFT, 90, 8, 76, 8},
        {kNoId, "Static", "購入金額", plat::SS_LEFT, 8, 24, 40, 8},
        {kIdDbmnAmount, "Edit", "", kNumberFieldStyle, 50, 22, 50, 12},
        {kNoId, "Static", kYen, plat::SS_LEFT, 104, 24, 12, 8},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 34, 42, 44, 14},
        {plat::IDCANCEL, "Button", kCancelCaption, kButtonStyle, 86, 42, 44, 14},
    };
    return t;
}

// A dialog over one options record: the exchange function ties each field
// to its control, in the order the fields are validated.
template <typename Options>
class OptionsDialog : public plat::Dialog {
public:
    using Exchange = void (*)(plat::DataExchange&, Options&);
    OptionsDialog(plat::DialogTemplate dialogTemplate, const Options& options, Exchange exchange)
        : plat::Dialog(std::move(dialogTemplate)), options_(options), exchange_(exchange) {}

    // True on OK, with the options as confirmed.
    bool run(plat::Hwnd owner, Options& chosen) {
        if (doModal(owner) != plat::IDOK) return false;
        chosen = options_;
        return true;
    }

protected:
    void doDataExchange(plat::DataExchange& dx) override { exchange_(dx, options_); }

private:
    Options options_;
    Exchange exchange_;
};

void exchangeFhwars(plat::DataExchange& dx, FhwarsOptions& o) {
    dx.check(kIdFhwarsTan, o.takeWin);
    dx.integer(kIdFhwarsTanAmount, o.winAmount, kImportAmountMin, kImportAmountMax);
    dx.check(kIdFhwarsFuku, o.takePlace);
    dx.integer(kIdFhwarsFukuAmount, o.placeAmount, kImportAmountMin, kImportAmountMax);
    dx.check(kIdFhwarsRen, o.takePairs);
    dx.integer(kIdFhwarsRenAmount, o.pairAmount, kImportAmountMin, kImportAmountMax);
}

void exchangeDbmn(plat::DataExchange& dx, DbmnOptions& o) {
    dx.integer(kIdDbmnSoft, o.minAgreement, kDbmnSoftMin, kDbmnSoftMax);
    dx.integer(kIdDbmnAmount, o.amount, kImportAmountMin, kImportAmountMax);
}

}  // namespace

bool EditFhwarsOptions(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                       FhwarsOptions& chosen) {
    const FhwarsOptions current{.takePairs = settings.fhwarsRen,
                                .takeWin = settings.fhwarsTan,
                                .takePlace = settings.fhwarsFuku,
                                .pairAmount = settings.fhwarsKingaku,
                                .winAmount = settings.fhwarsTanKingaku,
                                .placeAmount = settings.fhwarsFukuKingaku};
    OptionsDialog<FhwarsOptions> dialog(fhwarsTemplate(), current, exchangeFhwars);
    if (!dialog.run(owner, chosen)) return false;
    settings.fhwarsRen = chosen.takePairs;
    settings.fhwarsTan = chosen.takeWin;
    settings.fhwarsFuku = chosen.takePlace;
    settings.fhwarsKingaku = chosen.pairAmount;
    settings.fhwarsTanKingaku = chosen.winAmount;
    settings.fhwarsFukuKingaku = chosen.placeAmount;
    base::WriteFhwarsSettings(profile, settings);
    return true;
}

bool EditDbmnOptions(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                     DbmnOptions& chosen) {
    const DbmnOptions current{.minAgreement = settings.dbmnSoft, .amount = settings.dbmnKingaku};
    OptionsDialog<DbmnOptions> dialog(dbmnTemplate(), current, exchangeDbmn);
    if (!dialog.run(owner, chosen)) return false;
    settings.dbmnSoft = chosen.minAgreement;
    settings.dbmnKingaku = chosen.amount;
    base::WriteDbmnSettings(profile, settings);
    return true;
}

}  // namespace betdata

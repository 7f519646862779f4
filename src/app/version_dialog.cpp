#include "app/version_dialog.h"

#include <string>

#include "base/dialog_parts.h"
#include "base/strings.h"

namespace app {

namespace {

using namespace base::dlg;

class VersionDialog : public plat::Dialog {
public:
    explicit VersionDialog(const base::VotingTerms& terms) : plat::Dialog(VersionTemplate()), terms_(terms) {}

protected:
    bool onInitDialog() override {
        show(kIdVersionBalance, terms_.accountBalance);
        show(kIdVersionPurchaseLimit, terms_.purchaseLimit);
        show(kIdVersionPrevDayPayout, terms_.prevDayPayout);
        show(kIdVersionPrevDayPurchase, terms_.prevDayPurchase);
        return true;
    }
    // The figures are only shown: nothing to read back.
    void onOK() override { endDialog(plat::IDOK); }

private:
    void show(int id, std::int32_t value) { plat::setWindowText(item(id), std::to_string(value)); }
    const base::VotingTerms& terms_;
};

}  // namespace

plat::DialogTemplate VersionTemplate() {
    plat::DialogTemplate t = DialogFrame(kVersionCaption, 200, 110);
    t.items = {
        {kNoId, "Static", base::kProgramCaption, kLabelStyle, 12, 10, 60, 8},
        {kNoId, "Static", base::kVersionText, kLabelStyle, 12, 22, 120, 8},
        {kNoId, "Static", "口座残高", kLabelStyle, 12, 40, 60, 8},
        {kIdVersionBalance, "Edit", "", kReadOnlyFieldStyle, 76, 38, 70, 12},
        {kNoId, "Static", "購入限度額", kLabelStyle, 12, 54, 60, 8},
        {kIdVersionPurchaseLimit, "Edit", "", kReadOnlyFieldStyle, 76, 52, 70, 12},
        {kNoId, "Static", "前日払戻額", kLabelStyle, 12, 68, 60, 8},
        {kIdVersionPrevDayPayout, "Edit", "", kReadOnlyFieldStyle, 76, 66, 70, 12},
        {kNoId, "Static", "前日購入額", kLabelStyle, 12, 82, 60, 8},
        {kIdVersionPrevDayPurchase, "Edit", "", kReadOnlyFieldStyle, 76, 80, 70, 12},
        {plat::IDOK, "Button", kOkCaption, kDefaultButtonStyle, 152, 8, 40, 14},
    };
    return t;
}

void ShowVersion(plat::Hwnd owner, const base::VotingTerms& terms) {
    VersionDialog dialog(terms);
    dialog.doModal(owner);
}

}  // namespace app

#include "base/settings_dialog.h"

namespace base {

SettingsDialog::SettingsDialog(plat::DialogTemplate dialogTemplate, const Settings& settings,
                               std::vector<DialogField> fields)
    : plat::Dialog(std::move(dialogTemplate)), values_(settings), fields_(std::move(fields)) {}

bool SettingsDialog::run(plat::Hwnd owner, Settings& settings) {
    if (doModal(owner) != plat::IDOK) return false;
    for (const DialogField& field : fields_) {
        if (field.number) settings.*field.number = values_.*field.number;
        if (field.text) settings.*field.text = values_.*field.text;
    }
    return true;
}

void SettingsDialog::doDataExchange(plat::DataExchange& dx) {
    for (const DialogField& field : fields_) {
        switch (field.kind) {
        case DialogField::Kind::Check:
            dx.check(field.id, values_.*field.number);
            break;
        case DialogField::Kind::Number:
            dx.integer(field.id, values_.*field.number, field.min, field.max);
            break;
        case DialogField::Kind::Text:
            dx.text(field.id, values_.*field.text, field.maxLength);
            break;
        case DialogField::Kind::Hidden:
            break;
        }
    }
}

}  // namespace base

// A modal dialog that edits some of the settings.
//
// Each field ties a control to a Settings member, with its check: a check
// box, a number with its range, or a text with its maximum length.  The
// dialog works on a copy of the settings taken when it is built; the data
// exchange runs over the fields in their order, which is the order in which
// they are validated when OK is pressed.  Only a confirmed dialog copies its
// fields back, so a cancelled one changes nothing, and settings that other
// parts of the program change while the dialog is open are kept.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/dialog.h"

namespace base {

struct DialogField {
    enum class Kind { Check, Number, Text, Hidden };
    Kind kind;
    int id;  // the control; not used for Hidden
    int Settings::*number = nullptr;
    std::string Settings::*text = nullptr;
    int min = 0, max = 0;        // Number
    std::size_t maxLength = 0;   // Text; 0 = no limit
};

constexpr DialogField CheckField(int id, int Settings::*member) {
    return {DialogField::Kind::Check, id, member};
}
constexpr DialogField NumberField(int id, int Settings::*member, int min, int max) {
    return {DialogField::Kind::Number, id, member, nullptr, min, max};
}
constexpr DialogField TextField(int id, std::string Settings::*member, std::size_t maxLength = 0) {
    return {DialogField::Kind::Text, id, nullptr, member, 0, 0, maxLength};
}
// A value the dialog keeps without a control (it changes it itself).
constexpr DialogField HiddenField(int Settings::*member) {
    return {DialogField::Kind::Hidden, 0, member};
}

class SettingsDialog : public plat::Dialog {
public:
    SettingsDialog(plat::DialogTemplate dialogTemplate, const Settings& settings,
                   std::vector<DialogField> fields);

    // Runs the dialog; on OK copies the fields back into settings and
    // returns true.
    bool run(plat::Hwnd owner, Settings& settings);

protected:
    void doDataExchange(plat::DataExchange& dx) override;
    // The values as the dialog holds them.
    Settings& values() { return values_; }

private:
    Settings values_;
    std::vector<DialogField> fields_;
};

}  // namespace base

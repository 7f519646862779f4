// The scripted user: answers modal windows by rule, after a delay, the way a
// person would (typing into fields, clicking buttons), and records each one.
//
// Rules for message boxes, the latest registered first: by help id, then by
// text; otherwise Yes/No boxes get the default question answer and OK and
// OK/Cancel boxes get OK.  A rule naming a button the box does not have is
// passed over.  Dialogs get the action registered for their caption prefix;
// a dialog without one is confirmed with OK when it has an OK button and
// left open otherwise.  The open-file dialog gets the path set for it typed
// into its name field and OK, or ｷｬﾝｾﾙ when no path is set.  Modal windows of
// ignored programs are neither answered nor recorded.
#include "platform/sim/scripted_user.h"

#include <algorithm>

#include "platform/sjis.h"
#include "platform/window.h"

namespace sim {
namespace {

bool offers(const ModalInfo& info, int buttonId) {
    return std::any_of(info.buttons.begin(), info.buttons.end(),
                       [buttonId](const auto& button) { return button.first == buttonId; });
}

// Replaces the field's text by typing: select everything, then one WM_CHAR
// per byte (a double-byte character arrives as two).
void typeInto(plat::Hwnd window, int fieldId, const std::string& text) {
    const plat::Hwnd field = plat::getDlgItem(window, fieldId);
    if (field == 0) return;
    plat::postMessage(field, plat::EM_SETSEL, 0, -1);
    for (const char c : text) {
        plat::postMessage(field, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
    }
}

}  // namespace

void pressButton(plat::Hwnd window, int buttonId) {
    const plat::Hwnd button = plat::getDlgItem(window, buttonId);
    plat::Rect client;
    if (button == 0 || !plat::getClientRect(button, client)) return;
    const plat::Lparam centre = plat::makeLparam(client.width() / 2, client.height() / 2);
    plat::postMessage(button, plat::WM_MOUSEMOVE, 0, centre);
    plat::postMessage(button, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, centre);
    plat::postMessage(button, plat::WM_LBUTTONUP, 0, centre);
}

void ScriptedUser::setDefaultQuestionAnswer(int answer) { defaultQuestionAnswer_ = answer; }
void ScriptedUser::answerId(plat::Uint id, int answer) { byId_.emplace_back(id, answer); }
void ScriptedUser::answerText(const std::string& text, int answer) {
    byText_.emplace_back(text, answer);
}
void ScriptedUser::onDialog(const std::string& captionPrefix, DialogAction action) {
    dialogActions_.emplace_back(captionPrefix, std::move(action));
}
void ScriptedUser::setDelay(std::int64_t ms) { delayMs_ = ms; }
void ScriptedUser::ignoreProgram(const std::string& program) { ignored_.insert(program); }
void ScriptedUser::setOpenFileAnswer(const std::string& path) { openFileAnswer_ = path; }

std::vector<ScriptedUser::Seen> ScriptedUser::seenFrom(const std::string& program) const {
    std::vector<Seen> result;
    std::copy_if(seen_.begin(), seen_.end(), std::back_inserter(result),
                 [&program](const Seen& seen) { return seen.info.program == program; });
    return result;
}

int ScriptedUser::chooseAnswer(const ModalInfo& info) const {
    auto usable = [&info](int answer) { return info.buttons.empty() || offers(info, answer); };
    for (auto rule = byId_.rbegin(); rule != byId_.rend(); ++rule) {
        if (info.helpId != 0 && rule->first == info.helpId && usable(rule->second)) return rule->second;
    }
    for (auto rule = byText_.rbegin(); rule != byText_.rend(); ++rule) {
        if (!rule->first.empty() && sjis::find(info.text, rule->first, 0, true) != std::string::npos &&
            usable(rule->second)) {
            return rule->second;
        }
    }
    if ((info.type & plat::MB_TYPEMASK) == plat::MB_YESNO) {
        return usable(defaultQuestionAnswer_) ? defaultQuestionAnswer_ : plat::IDYES;
    }
    return plat::IDOK;
}

void ScriptedUser::onModal(Desktop& desktop, const ModalInfo& info) {
    if (ignored_.count(info.program) != 0) return;
    Seen seen{info, 0, desktop.virtualMs()};
    const plat::Hwnd window = info.window;

    if (!info.isMessageBox) {
        for (const auto& [prefix, action] : dialogActions_) {
            if (info.caption.compare(0, prefix.size(), prefix) != 0) continue;
            seen_.push_back(seen);
            desktop.act(delayMs_, [action, &desktop, info] { action(desktop, info); });
            return;
        }
    }
    if (info.isOpenFile) {
        const std::string path = openFileAnswer_;
        seen.answer = path.empty() ? plat::IDCANCEL : plat::IDOK;
        desktop.act(delayMs_, [window, path, answer = seen.answer] {
            if (!path.empty()) typeInto(window, kOpenFileNameId, path);
            pressButton(window, answer);
        });
    } else {
        seen.answer = info.isMessageBox ? chooseAnswer(info) : offers(info, plat::IDOK) ? plat::IDOK : 0;
        if (seen.answer != 0) {
            desktop.act(delayMs_, [window, answer = seen.answer] { pressButton(window, answer); });
        }
    }
    seen_.push_back(seen);
}

}  // namespace sim

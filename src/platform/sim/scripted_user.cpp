// The scripted user: answers modal windows by rule, after a delay, the way a
// person would (typing into fields, clicking buttons), and records each one.
//
// Rules, the latest registered first.  Message boxes: by help id, then by
// text; otherwise Yes/No boxes get the default question answer and OK and
// OK/Cancel boxes get OK.  A rule naming a button the box does not have is
// passed over.  Dialogs get the action registered for their caption prefix;
// a dialog without one is confirmed with OK when it has an OK button and
// left open otherwise.  A tracked pop-up menu gets the next queued choice
// or is dismissed.  The open-file dialog gets the path set for it typed
// into its name field and OK, or ｷｬﾝｾﾙ when no path is set.  Modal windows of
// ignored programs are neither answered nor recorded.
#include "platform/sim/scripted_user.h"

#include <algorithm>

#include "platform/menu.h"
#include "platform/sjis.h"
#include "platform/window.h"
#include "platform/window_frame.h"

namespace sim {
namespace {

bool offers(const ModalInfo& info, int buttonId) {
    return std::any_of(info.buttons.begin(), info.buttons.end(),
                       [buttonId](const auto& button) { return button.first == buttonId; });
}

// The system's frame-dragging limits before the window changes them.
constexpr int kMinTrackWidth = 112;
constexpr int kMinTrackHeight = 27;
constexpr int kMaxTrackSize = 4096;

}  // namespace

// A double-byte character arrives as two WM_CHAR.
void typeIntoField(plat::Hwnd window, int fieldId, const std::string& text) {
    const plat::Hwnd field = plat::getDlgItem(window, fieldId);
    if (field == 0) return;
    plat::postMessage(field, plat::EM_SETSEL, 0, -1);
    for (const char c : text) plat::postMessage(field, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
}

void pressButton(plat::Hwnd window, int buttonId) {
    const plat::Hwnd button = plat::getDlgItem(window, buttonId);
    plat::Rect client;
    if (button == 0 || !plat::getClientRect(button, client)) return;
    const plat::Lparam centre = plat::makeLparam(client.width() / 2, client.height() / 2);
    plat::postMessage(button, plat::WM_MOUSEMOVE, 0, centre);
    plat::postMessage(button, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, centre);
    plat::postMessage(button, plat::WM_LBUTTONUP, 0, centre);
}

void chooseMenuEntry(plat::Hwnd menuWindow, int id) {
    if (id == 0) {
        plat::postMessage(menuWindow, plat::WM_KEYDOWN, plat::VK_ESCAPE, 0);
    } else {
        plat::postMessage(menuWindow, plat::WM_COMMAND, plat::makeWparam(id, 0), 0);
    }
}

bool chooseSystemMenuEntry(plat::Hwnd window, plat::Uint id) {
    const plat::Hmenu menu = plat::getSystemMenu(window);
    for (int i = 0; i < plat::getMenuItemCount(menu); ++i) {
        if (plat::getMenuItemId(menu, i) != static_cast<int>(id)) continue;
        if (plat::getMenuState(menu, i) & (plat::MF_GRAYED | plat::MF_SEPARATOR)) return false;
        return plat::postMessage(window, plat::WM_SYSCOMMAND, id, 0);
    }
    return false;
}

void dragWindowFrame(plat::Hwnd window, const plat::Rect& wanted) {
    plat::MinMaxInfo limits;
    limits.minTrackSize = plat::Point{kMinTrackWidth, kMinTrackHeight};
    limits.maxTrackSize = plat::Point{kMaxTrackSize, kMaxTrackSize};
    plat::sendMessage(window, plat::WM_GETMINMAXINFO, 0, reinterpret_cast<plat::Lparam>(&limits));
    const int width = std::clamp(wanted.width(), limits.minTrackSize.x, limits.maxTrackSize.x);
    const int height = std::clamp(wanted.height(), limits.minTrackSize.y, limits.maxTrackSize.y);
    plat::moveWindow(window, {wanted.left, wanted.top, wanted.left + width, wanted.top + height});
}

void ScriptedUser::chooseMenuItem(int id) { menuChoices_.push_back(id); }

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

    if (!info.isMessageBox && !info.isMenu && !info.isOpenFile) {
        for (auto rule = dialogActions_.rbegin(); rule != dialogActions_.rend(); ++rule) {
            if (info.caption.compare(0, rule->first.size(), rule->first) != 0) continue;
            seen_.push_back(seen);
            desktop.act(delayMs_, [action = rule->second, &desktop, info] { action(desktop, info); });
            return;
        }
    }
    if (info.isMenu) {
        seen.answer = 0;
        if (!menuChoices_.empty()) {
            seen.answer = menuChoices_.front();
            menuChoices_.pop_front();
        }
        desktop.act(delayMs_, [window, answer = seen.answer] { chooseMenuEntry(window, answer); });
    } else if (info.isOpenFile) {
        const std::string path = openFileAnswer_;
        seen.answer = path.empty() ? plat::IDCANCEL : plat::IDOK;
        desktop.act(delayMs_, [window, path, answer = seen.answer] {
            if (!path.empty()) typeIntoField(window, kOpenFileNameId, path);
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

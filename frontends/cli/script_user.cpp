#include "frontends/cli/script_user.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "frontends/cli/cli_text.h"
#include "frontends/cli/headless_desktop.h"
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kButtonClass = "Button";

struct NamedReply {
    const char* name;
    int id;
};
constexpr NamedReply kNamedReplies[] = {
    {"ok", plat::IDOK}, {"cancel", plat::IDCANCEL}, {"yes", plat::IDYES}, {"no", plat::IDNO}};

bool beginsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

bool matches(const sim::ModalInfo& info, const std::string& match) {
    if (info.isMessageBox && info.helpId != 0 && beginsWith(std::to_string(info.helpId), match)) return true;
    return beginsWith(info.caption, match) || beginsWith(info.text, match);
}

bool offers(const sim::ModalInfo& info, int id) {
    return std::any_of(info.buttons.begin(), info.buttons.end(), [id](const auto& b) { return b.first == id; });
}

std::string lowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The button a reply names; 0 when it names none.
int buttonFor(const sim::ModalInfo& info, const std::string& reply) {
    for (const NamedReply& named : kNamedReplies)
        if (lowerAscii(reply) == named.name) return named.id;
    int id = 0;
    const auto [end, ec] = std::from_chars(reply.data(), reply.data() + reply.size(), id);
    if (ec == std::errc() && end == reply.data() + reply.size()) return id;
    for (const auto& [buttonId, caption] : info.buttons)
        if (caption == reply) return buttonId;
    return 0;
}

// Without a queued reply: Yes for questions, OK for other boxes; a dialog's
// OK, else its first button.
int defaultButton(const sim::ModalInfo& info) {
    if (info.isMessageBox) {
        return (info.type & plat::MB_TYPEMASK) == plat::MB_YESNO ? plat::IDYES : plat::IDOK;
    }
    if (offers(info, plat::IDOK) || info.buttons.empty()) return plat::IDOK;
    return info.buttons.front().first;
}

std::string replyName(const sim::ModalInfo& info, int id) {
    for (const NamedReply& named : kNamedReplies)
        if (named.id == id) return named.name;
    for (const auto& [buttonId, caption] : info.buttons)
        if (buttonId == id) return caption;
    return std::to_string(id);
}

// A check box is checked (value 1) or not; any other control gets the
// value typed over its text.
void setField(plat::Hwnd dialog, int id, const std::string& value) {
    const plat::Hwnd control = plat::getDlgItem(dialog, id);
    if (control == 0) return;
    if (plat::getClassName(control) == kButtonClass) {
        plat::sendMessage(control, plat::BM_SETCHECK, value == "1" ? plat::BST_CHECKED : plat::BST_UNCHECKED, 0);
        return;
    }
    plat::postMessage(control, plat::EM_SETSEL, 0, -1);
    for (const char c : value) plat::postMessage(control, plat::WM_CHAR, static_cast<unsigned char>(c), 0);
}

}  // namespace

ScriptUser::ScriptUser(sim::ScriptedUser& others, ScriptLog& log, std::function<plat::Hwnd()> mainWindow)
    : others_(others), log_(log), mainWindow_(std::move(mainWindow)) {}

void ScriptUser::queueAnswer(const std::string& match, const std::string& reply) { answers_.push_back({match, reply}); }

void ScriptUser::queueField(const std::string& match, int id, const std::string& value) {
    fields_.push_back({match, id, value});
}

void ScriptUser::onModal(sim::Desktop& desktop, const sim::ModalInfo& info) {
    if (info.program != kOrnelProgram || info.isMenu) {
        others_.onModal(desktop, info);
        return;
    }
    if (info.window == mainWindow_()) return;
    if (info.isOpenFile) {
        others_.onModal(desktop, info);
        log_.add("dialog " + info.caption + " -> cancel");
        return;
    }

    int button = 0;
    const auto answer = std::find_if(answers_.begin(), answers_.end(),
                                     [&info](const Answer& a) { return matches(info, a.match); });
    if (answer != answers_.end()) {
        button = buttonFor(info, answer->reply);
        answers_.erase(answer);
    }
    if (button == 0 || (!info.buttons.empty() && !offers(info, button))) button = defaultButton(info);

    std::vector<Field> fields;
    if (!info.isMessageBox) {
        for (auto f = fields_.begin(); f != fields_.end();) {
            if (matches(info, f->match)) {
                fields.push_back(*f);
                f = fields_.erase(f);
            } else {
                ++f;
            }
        }
    }
    log_.add(info.isMessageBox ? "box " + (info.helpId != 0 ? std::to_string(info.helpId) : info.caption) + " " +
                                     escapeLineBreaks(info.text) + " -> " + replyName(info, button)
                               : "dialog " + info.caption + " -> " + replyName(info, button));
    const plat::Hwnd window = info.window;
    desktop.act(0, [window, button, fields] {
        for (const Field& f : fields) setField(window, f.id, f.value);
        sim::pressButton(window, button);
    });
}

}  // namespace cli

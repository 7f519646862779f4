// The user of `ornel sim script`: answers Ornel's message boxes and dialogs
// with the replies the script queued, OK (Yes for questions) otherwise, and
// reports each as `box ID TEXT -> REPLY` or `dialog CAPTION -> REPLY`.
// Menus, the open-file dialog and the betting client's own boxes are left
// to the scripted user of the desktop (menus get the entry the step chose,
// the open-file dialog is cancelled, the client's boxes are the driver's).
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "frontends/cli/script_log.h"
#include "platform/sim/scripted_user.h"

namespace cli {

class ScriptUser : public sim::User {
public:
    // mainWindow: the program's main window (a modal dialog itself, which
    // nobody answers); 0 before it exists.
    ScriptUser(sim::ScriptedUser& others, ScriptLog& log, std::function<plat::Hwnd()> mainWindow);

    // The next box or dialog whose message id, caption or text begins with
    // match gets reply: ok, cancel, yes, no, a button's caption or a
    // control id.
    void queueAnswer(const std::string& match, const std::string& reply);
    // In the next dialog match matches, control id gets value first (a check
    // box: 1 checked, 0 not; any other control: its text).
    void queueField(const std::string& match, int id, const std::string& value);

    void onModal(sim::Desktop& desktop, const sim::ModalInfo& info) override;

private:
    struct Answer {
        std::string match;
        std::string reply;
    };
    struct Field {
        std::string match;
        int id;
        std::string value;
    };

    sim::ScriptedUser& others_;
    ScriptLog& log_;
    std::function<plat::Hwnd()> mainWindow_;
    std::deque<Answer> answers_;
    std::deque<Field> fields_;
};

}  // namespace cli

#include "ui/command.h"

#include "platform/dialog.h"
#include "platform/window.h"

namespace ui {

bool Command::run(bool runInProgress) const {
    if (!action_) return false;
    if (runInProgress && definition_.refusedDuringRun) {
        plat::messageBeep(plat::MB_ICONASTERISK);
        return true;
    }
    action_();
    return true;
}

void Command::setEnabled(bool enabled) const {
    if (button_ != 0) plat::enableWindow(button_, enabled);
}

bool Command::enabled() const { return button_ != 0 && plat::isWindowEnabled(button_); }

void Command::setCaption(const std::string& caption) const {
    if (button_ != 0) plat::setWindowText(button_, caption);
}

Command& CommandTable::add(const CommandDefinition& definition) {
    return commands_.insert_or_assign(definition.id, Command(definition)).first->second;
}

Command* CommandTable::find(int id) {
    auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : &it->second;
}

const Command* CommandTable::find(int id) const {
    auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : &it->second;
}

bool CommandTable::setAction(int id, std::function<void()> action) {
    Command* command = find(id);
    if (command == nullptr) return false;
    command->setAction(std::move(action));
    return true;
}

bool CommandTable::run(int id, bool runInProgress) const {
    const Command* command = find(id);
    return command != nullptr && command->run(runInProgress);
}

void CommandTable::bindButtons(plat::Hwnd dialog) {
    for (auto& [id, command] : commands_)
        if (command.definition().hasButton) command.bindButton(plat::getDlgItem(dialog, id));
}

}  // namespace ui

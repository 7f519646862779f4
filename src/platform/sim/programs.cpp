#include "platform/sim/desktop_impl.h"
#include "platform/sim/path_resolve.h"

namespace sim {

ProgramId ProgramTable::create(const std::string& name, const std::string& exePath) {
    ProgramId id = static_cast<ProgramId>(programs_.size()) + 1;
    programs_.push_back({id, name, exePath});
    return id;
}

const Program* ProgramTable::get(ProgramId id) const {
    if (id < 1 || id > static_cast<ProgramId>(programs_.size())) return nullptr;
    return &programs_[static_cast<std::size_t>(id - 1)];
}

ProgramId ProgramTable::findByName(const std::string& name) const {
    for (auto it = programs_.rbegin(); it != programs_.rend(); ++it) {
        if (it->name == name) return it->id;
    }
    return -1;
}

ProgramId ProgramTable::findOrCreate(const std::string& name) {
    ProgramId id = findByName(name);
    return id > 0 ? id : create(name, "");
}

std::string ProgramTable::nameOf(ProgramId id) const {
    const Program* p = get(id);
    return p ? p->name : std::string();
}

void ProgramTable::registerFiles(ProgramRegistration registration) {
    registrations_.push_back(std::move(registration));
}

const ProgramRegistration* ProgramTable::forFile(const std::string& fileName) const {
    for (const ProgramRegistration& r : registrations_) {
        if (matchesFilePattern(r.filePattern, fileName)) return &r;
    }
    return nullptr;
}

std::string currentProgramName() {
    Desktop::Impl* d = activeDesktop();
    return d ? d->programOf(callerThread(*d)) : std::string();
}

std::string currentProgramExePath() {
    Desktop::Impl* d = activeDesktop();
    if (!d) return {};
    const Program* p = d->programs.get(callerThread(*d).program);
    return p ? p->exePath : std::string();
}

std::string windowProgramName(plat::Hwnd window) {
    Desktop::Impl* d = activeDesktop();
    if (!d) return {};
    Window* w = d->windows.find(window);
    return w ? d->programOf(*w) : std::string();
}

std::string& clipboardText() {
    static std::string withoutDesktop;
    Desktop::Impl* d = activeDesktop();
    return d ? d->clipboard : withoutDesktop;
}

}  // namespace sim

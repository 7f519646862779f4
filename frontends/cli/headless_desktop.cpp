#include "frontends/cli/headless_desktop.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "frontends/simhome/program_run.h"
#include "platform/files.h"
#include "platform/sim/path_resolve.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"

namespace cli {

namespace {

constexpr const char* kReader = "reader";
constexpr std::size_t kReadBuffer = 65536;
// After OK, a dialog still open this long has refused a value (its range
// message was answered meanwhile).
constexpr std::int64_t kRefusalCheckMs = 1000;

class SimDialogFields : public DialogFields {
public:
    explicit SimDialogFields(plat::Hwnd dialog) : dialog_(dialog) {}
    std::string text(int id) override { return plat::getWindowText(plat::getDlgItem(dialog_, id)); }
    void type(int id, const std::string& text) override { sim::typeIntoField(dialog_, id, text); }

private:
    plat::Hwnd dialog_;
};

// The whole program on the desktop, its user's steps taken by ProgramRun.
class DesktopSession : public ProgramSession {
public:
    DesktopSession(simhome::OrnelDesktop& desk, app::ProgramOptions options)
        : run_(desk, std::move(options)) {}

    app::Application& program() override { return run_.program(); }
    bool start() override { return run_.start(); }
    bool settle() override { return run_.settle(); }
    bool close() override { return run_.close() && run_.ended(); }
    std::string controlText(int id) override { return run_.controlText(id); }
    bool click(int buttonId) override { return run_.click(buttonId); }
    bool chooseFromSystemMenu(int id) override { return run_.chooseFromSystemMenu(id); }
    bool chooseFromContextMenu(int id) override { return run_.chooseFromContextMenu(id); }
    bool pasteIntoList(const std::string& text) override { return run_.pasteIntoList(text); }
    bool enterIntoList(const std::string& text) override { return run_.enterIntoList(text); }
    bool asUser(const std::function<void()>& fn) override { return run_.asUser(fn); }

private:
    simhome::ProgramRun run_;
};

}  // namespace

std::string DesktopFiles::text(const std::string& path) {
    std::string text;
    desk_.desktop().call(kReader, [&] {
        plat::TextFile file;
        std::string line;
        if (!file.open(path, plat::TextFile::Mode::Read)) return;
        while (file.getLine(line, kReadBuffer)) text += line;
    });
    return text;
}

FileMark DesktopFiles::mark(const std::string& path) {
    FileMark mark;
    desk_.desktop().call(kReader, [&] {
        std::string host;
        struct stat st;
        if (!sim::resolvePath(path, host) || stat(host.c_str(), &st) != 0) return;
        mark = {true, static_cast<std::uint64_t>(st.st_ino), static_cast<std::int64_t>(st.st_ctim.tv_sec),
                st.st_ctim.tv_nsec};
    });
    return mark;
}

HeadlessDesktop::HeadlessDesktop(std::int64_t startTime) {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "ornel-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) return;
    directory_ = pattern + "/";
    desk_ = std::make_unique<simhome::OrnelDesktop>(simhome::DesktopOptions{directory_, startTime});
    files_ = std::make_unique<DesktopFiles>(*desk_);
}

HeadlessDesktop::~HeadlessDesktop() {
    files_.reset();
    desk_.reset();
    if (directory_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(directory_, ec);
}

bool HeadlessDesktop::openFileDialogShown() const {
    for (const sim::ScriptedUser::Seen& seen : user().seenFrom(kOrnelProgram))
        if (seen.info.isOpenFile) return true;
    return false;
}

std::vector<BatchHost::Box> HeadlessDesktop::boxes() const { return ornelBoxes(user()); }

void HeadlessDesktop::answerDialog(const std::string& captionPrefix, std::function<void(DialogFields&)> fill) {
    user().onDialog(captionPrefix, [this, fill = std::move(fill)](sim::Desktop& desktop, const sim::ModalInfo& info) {
        const plat::Hwnd dialog = info.window;
        SimDialogFields fields(dialog);
        fill(fields);
        sim::pressButton(dialog, plat::IDOK);
        desktop.act(kRefusalCheckMs, [this, dialog] {
            if (!plat::isWindow(dialog)) return;
            dialogRefused_ = true;
            sim::pressButton(dialog, plat::IDCANCEL);
        });
    });
}

bool HeadlessDesktop::runOrnel(std::function<void()> fn) { return desk_->runOrnel(fn); }

std::unique_ptr<ProgramSession> HeadlessDesktop::program(app::ProgramOptions options) {
    return std::make_unique<DesktopSession>(*desk_, std::move(options));
}

std::vector<BatchHost::Box> ornelBoxes(const sim::ScriptedUser& user) {
    std::vector<BatchHost::Box> boxes;
    for (const sim::ScriptedUser::Seen& seen : user.seenFrom(kOrnelProgram))
        if (seen.info.isMessageBox) boxes.push_back({seen.info.helpId, seen.info.text});
    return boxes;
}

std::unique_ptr<BatchHost> BatchHost::make(std::int64_t startTime) {
    return std::make_unique<HeadlessDesktop>(startTime);
}

}  // namespace cli

#include "frontends/cli/batch_bet_list.h"

#include <cstdio>

#include "base/load_settings.h"
#include "betdata/edit_transfer.h"
#include "frontends/cli/cli_text.h"
#include "frontends/cli/client_terms.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace cli {

namespace {

// Commands of the batch window only (outside the program's ids).
constexpr int kIdRunScript = 0x7F01;
constexpr int kIdFinish = 0x7F02;
// Read in place of a profile when none is given: every key its default.
constexpr const char* kNoProfileName = "NoProfile.INI";

void postCommand(plat::Hwnd window, int id) {
    plat::postMessage(window, plat::WM_COMMAND, plat::makeWparam(id, 0), 0);
}

class BatchWindow : public ui::BetListWindow {
public:
    BatchWindow(ui::MainWindowModel& model, base::MessageBoxNotifier& notifier,
                std::function<void(ui::BetListWindow&)> script, std::string& listText)
        : ui::BetListWindow(model) {
        setCommand(kIdRunScript, [this, &notifier, script = std::move(script)] {
            notifier.setOwner(hwnd());
            script(*this);
            // Posted after whatever the script posted, so handled after it.
            postCommand(hwnd(), kIdFinish);
        });
        setCommand(kIdFinish, [this, &listText] {
            listText = betdata::EditText(betData().windows.betList);
            endDialog(plat::IDOK);
        });
    }

protected:
    bool onInitDialog() override {
        const bool result = ui::BetListWindow::onInitDialog();
        postCommand(hwnd(), kIdRunScript);
        return result;
    }
};

}  // namespace

std::string betDirectorySetting(const std::string& directory) {
    if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
    return directory + '/';
}

BatchBetList::BatchBetList(std::string iniPath) : iniPath_(std::move(iniPath)) {}

bool BatchBetList::run(HeadlessDesktop& desk, std::int64_t now,
                       std::function<void(ui::BetListWindow&)> script) {
    // Writes (the import dialogs' OK, the running totals) are dropped.
    file_ = std::make_unique<base::FileProfileStore>(iniPath_.empty() ? desk.ornelExePath() + kNoProfileName
                                                                     : iniPath_);
    profile_ = std::make_unique<base::ReadOnlyProfileStore>(*file_);
    runControl.programClock = now;
    ui::MainWindowModel model{settings, *profile_, notifier_, terms, voteLog, betList, betFile, runControl, nullptr};
    return desk.runOrnel([&] {
        base::LoadSettings(*profile_, settings, now);
        if (!betDir.empty()) settings.betFileDir = betDirectorySetting(betDir);
        if (!clientDir.empty()) {
            settings.pat95Dir = clientExePath(clientDir);
            loadClientTerms(clientDir, terms, notifier_, now);
        }
        BatchWindow window(model, notifier_, std::move(script), listText_);
        window.doModal(0);
    });
}

int RunBatchBetList(const char* name, const BatchOptions& o,
                    std::function<bool(ui::BetListWindow&)> script) {
    const std::int64_t now = o.hasNow ? o.now : plat::now();
    HeadlessDesktop desk(now);
    if (!desk.ready()) {
        return commandError(name, "cannot make a temporary directory");
    }
    desk.user().setDefaultQuestionAnswer(o.answer);
    BatchBetList batch(o.ini);
    batch.clientDir = o.clientDir;
    batch.betDir = o.betDir;
    bool print = true;
    const bool finished = batch.run(desk, now, [&](ui::BetListWindow& w) { print = script(w); });
    if (print || !finished) {
        writeOut(outputText(batch.listText(), o.encoding.utf8Output()));
        printBoxes(stderr, desk.user(), o.encoding.utf8Output());
    }
    if (finished) return kExitOk;
    return commandError(name, "the run did not finish");
}

}  // namespace cli

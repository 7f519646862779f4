#include "betdata/load_command.h"

#include "betdata/bet_file_load.h"
#include "betdata/edit_transfer.h"
#include "betdata/settle_bet_file.h"
#include "platform/dialog.h"
#include "platform/sjis.h"
#include "platform/window.h"

namespace betdata {

namespace {

constexpr const char* kPendingExtensions[] = {".BET", ".TGP"};
constexpr const char* kDialogExtension = "BET";
constexpr const char* kDialogPattern = "*.bet";

}  // namespace

std::string ExpectedBetFileToLoad(const BetDataContext& c) {
    const std::string& path = c.betFile.path;
    if (path.empty()) return {};
    std::string upper = path;
    base::UpperCase(upper);
    bool pending = false;
    for (const char* extension : kPendingExtensions)
        pending = pending || sjis::find(upper, extension, 0, true) != std::string::npos;
    if (!pending || !base::FileHasData(path) || c.unmovableFiles.contains(path) ||
        c.state.tooLongFiles.contains(path))
        return {};
    return path;
}

bool BringListAndTermsUpToDate(BetDataContext& c, BetListCommands& commands) {
    commands.onReparseRequest();
    if (c.refreshVotingTerms) c.refreshVotingTerms();
    return c.connectTerms();
}

void RunLoadCommand(BetDataContext& c, BetListCommands& commands) {
    if (!BringListAndTermsUpToDate(c, commands)) return;
    ClearEdit(c.windows.staging);
    base::NextBetFilePath(c.betFile, c.settings.betFileDir, std::nullopt);

    if (const std::string expected = ExpectedBetFileToLoad(c); !expected.empty()) {
        LoadBetFile(c, expected);
        base::NextBetFilePath(c.betFile, c.settings.betFileDir, std::nullopt);
        return;
    }
    plat::OpenFileRequest request;
    request.filter = kBetFileFilter;
    request.defaultExtension = kDialogExtension;
    request.fileName = c.settings.betFileDir;
    base::ReplacePathPart(request.fileName, kDialogPattern);
    request.hideReadOnly = true;
    plat::setForegroundWindow(c.windows.main);
    if (!plat::openFileDialog(c.windows.main, request)) return;
    if (c.unmovableFiles.contains(request.chosenPath)) {
        c.notifier.text(kTextBetFileNotMoved, plat::MB_OK | plat::MB_ICONEXCLAMATION);
    } else if (c.state.tooLongFiles.contains(request.chosenPath)) {
        c.notifier.text(kTextBetFileTooLong, plat::MB_OK | plat::MB_ICONEXCLAMATION);
    } else {
        LoadBetFile(c, request.chosenPath);
    }
    commands.focusBetList();
}

}  // namespace betdata

#include "betdata/bet_file_load.h"

#include <vector>

#include "betdata/bet_log.h"
#include "betdata/edit_transfer.h"
#include "betdata/import_staged_text.h"
#include "betdata/list_edit_proc.h"
#include "betdata/settle_bet_file.h"
#include "platform/files.h"
#include "platform/window.h"

namespace betdata {

namespace {

constexpr std::size_t kFileLineBuffer = 2048;
constexpr plat::Uint kNotMovedBox = plat::MB_OK | plat::MB_ICONEXCLAMATION;

// Redrawing of the BetList is suspended for the life of the object.
class RedrawPause {
public:
    explicit RedrawPause(plat::Hwnd edit) : edit_(edit) { plat::sendMessage(edit_, plat::WM_SETREDRAW, 0, 0); }
    ~RedrawPause() { plat::sendMessage(edit_, plat::WM_SETREDRAW, 1, 0); }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    plat::Hwnd edit_;
};

// Reads the file's lines as the log takes them and its text as the staging
// edit takes it (each line's LF as CR LF).  False when the file cannot be
// opened.
bool readBetFile(const std::string& path, std::vector<std::string>& lines, std::string& staged) {
    plat::TextFile file;
    if (!file.open(path, plat::TextFile::Mode::Read)) return false;
    std::string line;
    while (file.getLine(line, kFileLineBuffer)) {
        lines.push_back(line);
        if (const std::size_t lf = line.find('\n'); lf != std::string::npos) line.replace(lf, 1, "\r\n");
        staged += line;
    }
    return true;
}

void settle(BetDataContext& c, const std::string& path) {
    if (SettleLoadedBetFile(path, c.settings.renameSav != 0) != SettleOutcome::Unmovable) return;
    c.unmovableFiles.remember(path);
    c.notifier.text(kTextBetFileNotMoved, kNotMovedBox);
}

}  // namespace

bool LoadBetFile(BetDataContext& c, const std::string& path) {
    if (c.unmovableFiles.contains(path) || c.state.tooLongFiles.contains(path)) return false;
    const std::int64_t clock = c.clock.load();
    {
        RedrawPause pause(c.windows.betList);
        BetLogEntry log;
        if (!log.open(c.betFile, clock)) return false;
        ClearEdit(c.windows.staging);
        std::vector<std::string> lines;
        std::string staged;
        if (!readBetFile(path, lines, staged)) return false;
        AppendToEdit(c.windows.staging, staged);
        if (EditText(c.windows.staging).size() < staged.size()) {
            ClearEdit(c.windows.staging);
            c.state.tooLongFiles.remember(path);
            c.notifier.text(kTextBetFileTooLong, kNotMovedBox);
            return false;
        }
        log.writeHeader(BetLogEntry::Kind::Load, clock);
        for (const std::string& line : lines) log.write(line);
        log.close();
        c.state.importCancelled = false;
        ImportStagedText(c);
        // A cancelled import leaves the file in place, to be offered again.
        if (!c.state.importCancelled) settle(c, path);
    }
    SetCaretToStart(c.windows.betList);
    plat::postMessage(c.windows.main, kMsgReparseRequest, 0, 0);
    if (c.refreshVoteLog) c.refreshVoteLog();
    base::NextBetFilePath(c.betFile, c.settings.betFileDir, std::nullopt);
    return true;
}

}  // namespace betdata

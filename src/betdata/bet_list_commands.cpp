#include "betdata/bet_list_commands.h"

#include "betdata/bet_grammar.h"
#include "betdata/bet_log.h"
#include "betdata/edit_transfer.h"
#include "betdata/import_staged_text.h"
#include "betdata/list_edit_proc.h"
#include "betdata/sort_and_merge.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace betdata {

namespace {

constexpr plat::Lparam kFocusThisControl = 1;  // WM_NEXTDLGCTL: wParam is the control

bool caretOnEmptyLastLine(plat::Hwnd edit) {
    const int lastLine = EditLineCount(edit) - 1;
    if (CaretLine(edit) != lastLine) return false;
    const auto start = plat::sendMessage(edit, plat::EM_LINEINDEX, static_cast<plat::Wparam>(lastLine), 0);
    return plat::sendMessage(edit, plat::EM_LINELENGTH, static_cast<plat::Wparam>(start), 0) == 0;
}

}  // namespace

bool BetListCommands::handleMessage(plat::Uint message) {
    switch (message) {
    case kMsgReparseRequest: onReparseRequest(); return true;
    case kMsgPastePrepare: onPastePrepare(); return true;
    case kMsgPasteFinish: onPasteFinish(); return true;
    default: return false;
    }
}

bool BetListCommands::onReparseRequest(bool skipTermsCheck) {
    if (reparsing_) return false;
    if (caretOnEmptyLastLine(c_.windows.betList)) return true;
    struct Reparsing {
        bool& flag;
        explicit Reparsing(bool& f) : flag(f) { flag = true; }
        ~Reparsing() { flag = false; }
    } reparsing(reparsing_);
    plat::WaitCursor wait;
    // The terms step may bring the betting client forward.
    const plat::Hwnd foreground = plat::getForegroundWindow();
    BetListContext list = c_.listContext();
    const bool parsed = ParseBetList(list, skipTermsCheck);
    c_.showStatus();
    if (foreground != 0) plat::setForegroundWindow(foreground);
    return parsed;
}

void BetListCommands::onPastePrepare() {
    pasteStartLine_ = EditLineCount(c_.windows.betList);
    SetCaretToEnd(c_.windows.betList);
    plat::sendMessage(c_.windows.betList, plat::WM_SETREDRAW, 0, 0);
}

void BetListCommands::onPasteFinish() {
    {
        plat::WaitCursor wait;
        ClearEdit(c_.windows.staging);
        // The list's last line as it was before the paste, and all that was pasted.
        AppendToEdit(c_.windows.staging, CutFromLine(c_.windows.betList, pasteStartLine_ - 1));
        ImportStagedText(c_);
        WritePasteEntry(c_.betFile, c_.clock.load(), EditLines(c_.windows.staging));
    }
    plat::sendMessage(c_.windows.betList, plat::WM_SETREDRAW, 1, 0);
    SetCaretToStart(c_.windows.betList);
    plat::postMessage(c_.windows.main, kMsgReparseRequest, 0, 0);
}

void BetListCommands::merge() {
    onReparseRequest();
    BetListContext list = c_.listContext();
    ParseBetList(list, false, SortAndMerge);
    c_.showStatus();
    focusBetList();
}

void BetListCommands::clear() {
    base::EditBetList(c_.windows.betList).clear();
    c_.state.listCount = 0;
    c_.state.listTotal = 0;
    c_.showStatus();
    focusBetList();
}

void BetListCommands::focusBetList() {
    const plat::Hwnd list = c_.windows.betList;
    plat::sendMessage(c_.windows.main, plat::WM_NEXTDLGCTL, static_cast<plat::Wparam>(list), kFocusThisControl);
    plat::sendMessage(list, plat::EM_SETSEL, static_cast<plat::Wparam>(-1), 0);
    plat::sendMessage(list, plat::EM_SCROLLCARET, 0, 0);
}

}  // namespace betdata

// The main window's handling of the BetList: the re-parse request (Enter,
// after imports and loads), the two halves of a paste, the Merge and Clear
// commands, and giving the list the focus.
#pragma once

#include "betdata/bet_data_context.h"

namespace betdata {

class BetListCommands {
public:
    explicit BetListCommands(BetDataContext& context) : c_(context) {}

    // Handles the list's private messages sent or posted to the main window
    // (re-parse request, paste prepare, paste finish); false for any other.
    bool handleMessage(plat::Uint message);

    // Re-parses the BetList unless the caret stands on its empty last line
    // (Enter after a rendered list changes nothing).  The terms step is
    // skipped only when AutoMode asks.  A request that arrives while a
    // re-parse shows a message box (a posted request handled by the box's
    // message loop) is dropped: the running re-parse rewrites the whole
    // list, and parsing the same text again would show its messages twice.
    // False when the list was not parsed: the request was dropped, or the
    // terms step could not reach the client (the user has been told).
    bool onReparseRequest(bool skipTermsCheck = false);
    // A paste is about to happen: remember where the list ended and put the
    // caret at the end so the pasted text is appended.
    void onPastePrepare();
    // The paste has happened: move the list's last line and the pasted text
    // into the staging edit, import it, log it, and ask for a re-parse.
    void onPasteFinish();
    // マージ: take in a pending line, then sort the bets and merge duplicates.
    void merge();
    // クリア: empty the list and its counters.
    void clear();
    // The list gets the input focus with no selection, its caret in view.
    void focusBetList();

private:
    BetDataContext& c_;
    int pasteStartLine_ = 1;  // the list's line count before the paste
    bool reparsing_ = false;
};

}  // namespace betdata

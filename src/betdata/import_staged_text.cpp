#include "betdata/import_staged_text.h"

#include "betdata/edit_transfer.h"
#include "betdata/import_option_dialogs.h"
#include "betdata/import_staged.h"
#include "betdata/list_edit_proc.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace betdata {

namespace {

// The importers' host bound to the main window's controls and state.
class EditImportHost : public StagedImportHost {
public:
    explicit EditImportHost(BetDataContext& context) : c_(context) {}

    const base::VotingTerms& terms() const override { return c_.terms; }
    bool askYesNo(int messageId) override {
        return c_.notifier.message(messageId, plat::MB_YESNO) == plat::IDYES;
    }
    void tell(int messageId) override { c_.notifier.message(messageId, plat::MB_OK); }
    void showStatus() override { c_.showStatus(); }
    int listCount() const override { return c_.state.listCount.load(); }
    void setListCount(int count) override { c_.state.listCount = count; }
    void addToListTotal(int yen) override { c_.state.listTotal += yen; }
    void setHeaderMonth(int month) override { c_.state.headerMonth = month; }
    void setHeaderDay(int day) override { c_.state.headerDay = day; }
    void appendLines(const std::string& lines) override {
        InsertAfterLastCompleteLine(c_.windows.betList, lines);
    }

    bool confirmFhwarsOptions(FhwarsOptions& options) override {
        return EditFhwarsOptions(c_.windows.main, c_.settings, c_.profile, options);
    }
    bool confirmDbmnOptions(DbmnOptions& options) override {
        return EditDbmnOptions(c_.windows.main, c_.settings, c_.profile, options);
    }
    bool connectClient() override { return c_.connectTerms(); }
    void moveStagedTextToBetList() override {
        const std::string text = EditText(c_.windows.staging);
        ClearEdit(c_.windows.staging);
        InsertAfterLastCompleteLine(c_.windows.betList, text);
        // At the start, so the request is not taken for Enter on the empty last line.
        SetCaretToStart(c_.windows.betList);
        plat::postMessage(c_.windows.main, kMsgReparseRequest, 0, 0);
    }
    void reparseNow() override {
        SetCaretToStart(c_.windows.betList);
        plat::sendMessage(c_.windows.main, kMsgReparseRequest, 0, 0);
    }
    void setImportCancelled() override { c_.state.importCancelled = true; }

private:
    BetDataContext& c_;
};

}  // namespace

void ImportStagedText(BetDataContext& context) {
    const std::vector<std::string> lines = EditLines(context.windows.staging);
    EditImportHost host(context);
    ImportStagedLines(lines, host);
}

}  // namespace betdata

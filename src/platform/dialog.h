// Dialogs from templates with data exchange, message boxes, the open-file
// dialog, the wait cursor and the clipboard.
#pragma once

#include <string>
#include <vector>

#include "platform/window.h"

namespace plat {

// ---- dialog templates ----
// Positions are dialog units (x, y, width, height); the backend converts them
// to pixels with the dialog font's base units.
struct DialogItem {
    int id = 0;
    std::string className;  // "Edit", "Button", "Static", "ComboBox", or a registered class
    std::string text;
    Dword style = 0;        // WS_CHILD | WS_VISIBLE are added by the backend
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    std::string caption;
    Dword style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    std::string fontName;
    int pointSize = 9;
    std::vector<DialogItem> items;
};

// Converts a rectangle in dialog units to pixels (as MapDialogRect).
Rect mapDialogRect(int x, int y, int cx, int cy);

class Dialog;

// Data exchange between a dialog's controls and its member values, as
// DoDataExchange does: on save every call reads its control and validates it,
// in call order; the first failure shows the standard message, puts the focus
// on that control and stops the exchange (the dialog stays open).
class DataExchange {
public:
    DataExchange(Dialog& dialog, bool save) : dialog_(dialog), save_(save) {}
    bool saving() const { return save_; }
    bool failed() const { return failed_; }

    // Integer edit with a range check ("%d から %d までの整数を入力してください。").
    void integer(int id, int& value, int min, int max);
    // Text edit with a maximum length in bytes (0 = no limit); the control is
    // limited to that length so it never accepts more.
    void text(int id, std::string& value, std::size_t maxLength = 0);
    // Check box: 0 or 1.
    void check(int id, int& value);

private:
    void fail(int id, const std::string& message);
    Dialog& dialog_;
    bool save_;
    bool failed_ = false;
};

// A modal dialog built from a template (the dialog window has class "#32770").
class Dialog {
public:
    explicit Dialog(DialogTemplate dialogTemplate);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the window, sends WM_INITDIALOG (onInitDialog, after the data
    // exchange has filled the controls), runs the modal loop and returns the
    // result given to endDialog.
    int doModal(Hwnd owner);
    void endDialog(int result);
    // save = true: controls -> members with validation (false on failure);
    // save = false: members -> controls.
    bool updateData(bool save);

    Hwnd hwnd() const { return hwnd_; }
    Hwnd item(int id) const { return getDlgItem(hwnd_, id); }
    const DialogTemplate& dialogTemplate() const { return template_; }

protected:
    virtual void doDataExchange(DataExchange&) {}
    virtual bool onInitDialog() { return true; }
    // Commands from controls; return true when handled.  IDOK and IDCANCEL
    // reach onOK / onCancel when not handled here.
    virtual bool onCommand(int /*id*/, int /*notifyCode*/) { return false; }
    virtual void onOK();      // updateData(true), then endDialog(IDOK)
    virtual void onCancel();  // endDialog(IDCANCEL)
    // Any other message; set handled to stop default processing.
    virtual Lresult onMessage(Uint /*message*/, Wparam, Lparam, bool& handled) {
        handled = false;
        return 0;
    }

private:
    friend struct DialogProcAccess;
    Lresult handle(Uint message, Wparam wParam, Lparam lParam);
    DialogTemplate template_;
    Hwnd hwnd_ = 0;
};

// ---- message boxes ----
// A modal box ("#32770") with the text, the caption and the buttons of type
// (MB_OK, MB_OKCANCEL, MB_YESNO, with an MB_ICON* value).  helpId is the
// message's string-table id (0 for texts that have none); it travels with
// the box, as a help context id does.  Returns IDOK, IDCANCEL, IDYES or IDNO.
int messageBox(Hwnd owner, const std::string& text, const std::string& caption, Uint type,
               Uint helpId = 0);
// MB_ICON* sound, MB_OK for the default sound, MB_SIMPLEBEEP for the speaker.
void messageBeep(Uint type);

// ---- open-file dialog ----
struct OpenFileRequest {
    // "Name|pattern|Name|pattern||" as MFC filter strings are written.
    std::string filter;
    std::string defaultExtension;  // without the dot
    std::string fileName;          // initial name (may hold a directory and wildcards)
    bool hideReadOnly = true;
    std::string chosenPath;        // set when the user confirms
};
bool openFileDialog(Hwnd owner, OpenFileRequest& request);

// ---- wait cursor ----
void beginWaitCursor();
void endWaitCursor();
class WaitCursor {
public:
    WaitCursor() { beginWaitCursor(); }
    ~WaitCursor() { endWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// ---- clipboard (text) ----
bool setClipboardText(const std::string& text);
std::string getClipboardText();

}  // namespace plat

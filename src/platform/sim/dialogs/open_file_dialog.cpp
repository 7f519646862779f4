// The open-file dialog: a "#32770" window captioned "ファイルを開く" with the
// file-name field (id sim::kOpenFileNameId) and OK / ｷｬﾝｾﾙ.  It carries the
// filter, the default extension and the initial name for whoever answers it.
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/sim/backend.h"
#include "platform/sim/dialogs/button_answer_host.h"
#include "platform/sim/dialogs/dialog_window.h"
#include "platform/sjis.h"

namespace plat {
namespace {

constexpr const char* kCaption = "ファイルを開く";
constexpr const char* kNameLabel = "ファイル名(&N):";
constexpr int kLabelId = 1090;

// Client pixels: the label and the field on the left, the buttons on the right.
constexpr Rect kLabelRect{12, 12, 252, 24};
constexpr Rect kNameRect{12, 28, 252, 48};
constexpr Rect kOkRect{264, 28, 339, 49};
constexpr Rect kCancelRect{264, 55, 339, 76};
constexpr int kClientWidth = 351;
constexpr int kClientHeight = 88;

// A typed name is taken in the initial name's directory unless it names its
// own; without an extension it gets the default one, unless a file of the
// name exactly as typed exists.
std::string resolveChoice(const std::string& typed, const OpenFileRequest& request) {
    std::string path = typed;
    const sjis::PathParts typedParts = sjis::splitPath(typed);
    if (typedParts.drive.empty() && typedParts.directory.empty()) {
        const sjis::PathParts initial = sjis::splitPath(request.fileName);
        path = initial.drive + initial.directory + typed;
    }
    FileInfo info;
    if (sjis::splitPath(path).extension.empty() && !request.defaultExtension.empty() &&
        !fileStatus(path, info)) {
        path += "." + request.defaultExtension;
    }
    return path;
}

bool isFileChoice(const std::string& typed) {
    return !typed.empty() && typed.find_first_of("*?") == std::string::npos;
}

}  // namespace

bool openFileDialog(Hwnd owner, OpenFileRequest& request) {
    owner = sim::topLevelWindow(owner);
    Hwnd field = 0;
    std::string typed;
    // OK with no name, or with a wildcard pattern, chooses nothing and leaves
    // the dialog open.
    sim::ButtonAnswerHost host([&field, &typed](int id) {
        if (id == IDCANCEL) return IDCANCEL;
        if (id != IDOK) return 0;
        typed = sim::controlText(field);
        return isFileChoice(typed) ? IDOK : 0;
    });
    const Hwnd dialog = sim::createDialogWindow(kCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner);
    if (dialog == 0) return false;
    const sim::AttachedHost attached(dialog, host);
    sim::addControl(dialog, "Static", kNameLabel, SS_LEFT, kLabelRect, kLabelId);
    field = sim::addControl(dialog, "Edit", request.fileName, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                            kNameRect, sim::kOpenFileNameId);
    sim::addControl(dialog, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kOkRect, IDOK);
    sim::addControl(dialog, "Button", "ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, kCancelRect, IDCANCEL);
    sim::setClientSize(dialog, kClientWidth, kClientHeight);
    sim::centreWindow(dialog, owner);
    setFocus(field);

    sim::ModalDetails details;
    details.isOpenFile = true;
    details.filter = request.filter;
    details.defaultExtension = request.defaultExtension;
    details.fileName = request.fileName;
    sim::setModalDetails(dialog, details);
    if (sim::runDialogWindow(dialog) != IDOK) return false;
    request.chosenPath = resolveChoice(typed, request);
    return true;
}

}  // namespace plat

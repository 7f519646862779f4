// Message boxes: a "#32770" window with the text, an icon's worth of space
// and a row of buttons, sized to the text and centred on its owner.
#include <algorithm>
#include <vector>

#include "platform/dialog.h"
#include "platform/sim/backend.h"
#include "platform/sim/dialogs/button_answer_host.h"
#include "platform/sim/dialogs/dialog_window.h"

namespace plat {
namespace {

struct BoxButton {
    int id;
    const char* caption;
};
const std::vector<BoxButton> kOkButtons = {{IDOK, "OK"}};
const std::vector<BoxButton> kOkCancelButtons = {{IDOK, "OK"}, {IDCANCEL, "ｷｬﾝｾﾙ"}};
const std::vector<BoxButton> kYesNoButtons = {{IDYES, "はい(&Y)"}, {IDNO, "いいえ(&N)"}};

// Id of the box's text, as message boxes number it.
constexpr int kTextId = 0xFFFF;

// Layout in client pixels: a margin around everything, the icon's square at
// the top left, the text beside it (6 pixels per half-width character, 16
// per line, centred on the icon), the buttons centred in a row below.  With
// an icon a one-line text spans y 20..36 from x 58, and the buttons y 70..93.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 14;
constexpr int kCharWidth = 6;
constexpr int kLineHeight = 16;
constexpr int kMinimumTextWidth = 96;
constexpr int kButtonsGap = 26;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonSpacing = 6;

const std::vector<BoxButton>& buttonsOf(Uint type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return kOkCancelButtons;
    case MB_YESNO: return kYesNoButtons;
    default: return kOkButtons;
    }
}

// What closing the box (or IDCANCEL) gives: a Yes/No box cannot be closed;
// an OK box closes as OK.
int cancelResult(Uint type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return IDCANCEL;
    case MB_YESNO: return 0;
    default: return IDOK;
    }
}

// Lines end at CR LF, a lone CR or a lone LF.
void measureText(const std::string& text, int& widestLine, int& lines) {
    widestLine = 0;
    lines = 1;
    int current = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++lines;
            current = 0;
        } else {
            widestLine = std::max(widestLine, ++current);
        }
    }
}

void layOut(Hwnd box, const std::string& text, Uint type) {
    int widestLine = 0;
    int lines = 0;
    measureText(text, widestLine, lines);
    const bool hasIcon = (type & MB_ICONMASK) != 0;
    const int textLeft = hasIcon ? kMargin + kIconSize + kIconGap : kMargin;
    const int textWidth = std::max(widestLine * kCharWidth, kMinimumTextWidth);
    const int textHeight = lines * kLineHeight;
    const int bodyHeight = std::max(textHeight, hasIcon ? kIconSize : 0);
    const int textTop = kMargin + (bodyHeight - textHeight) / 2;
    sim::addControl(box, "Static", text, SS_LEFT,
                    {textLeft, textTop, textLeft + textWidth, textTop + textHeight}, kTextId);

    const auto& buttons = buttonsOf(type);
    const int count = static_cast<int>(buttons.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonSpacing;
    const int clientWidth = std::max(textLeft + textWidth + kMargin, rowWidth + 2 * kMargin);
    const int buttonTop = kMargin + bodyHeight + kButtonsGap;
    int left = (clientWidth - rowWidth) / 2;
    for (const BoxButton& button : buttons) {
        const Dword style = (&button == &buttons.front() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                            WS_TABSTOP;
        sim::addControl(box, "Button", button.caption, style,
                        {left, buttonTop, left + kButtonWidth, buttonTop + kButtonHeight}, button.id);
        left += kButtonWidth + kButtonSpacing;
    }
    sim::setClientSize(box, clientWidth, buttonTop + kButtonHeight + kMargin);
}

}  // namespace

int messageBox(Hwnd owner, const std::string& text, const std::string& caption, Uint type,
               Uint helpId) {
    owner = sim::topLevelWindow(owner);
    const auto& buttons = buttonsOf(type);
    sim::ButtonAnswerHost host([&buttons, type](int id) {
        const bool isButton = std::any_of(buttons.begin(), buttons.end(),
                                          [id](const BoxButton& b) { return b.id == id; });
        return isButton ? id : id == IDCANCEL ? cancelResult(type) : 0;
    });
    const Hwnd box = sim::createDialogWindow(caption, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner);
    if (box == 0) return 0;
    const sim::AttachedHost attached(box, host);
    layOut(box, text, type);
    sim::centreWindow(box, owner);
    const Hwnd defaultButton = getDlgItem(box, buttons.front().id);
    setFocus(defaultButton);

    sim::ModalDetails details;
    details.text = text;
    details.type = type;
    details.helpId = helpId;
    details.isMessageBox = true;
    sim::setModalDetails(box, details);
    messageBeep(type & MB_ICONMASK);
    return sim::runDialogWindow(box);
}

}  // namespace plat

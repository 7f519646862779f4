#include "betclient/client_box.h"

#include <algorithm>

#include "platform/dialog.h"

namespace betclient {

namespace box {

using plat::IDNO;
using plat::IDOK;
using plat::IDYES;

constexpr const char* kOk = "OK";

const BoxLayout kSameBracket{{222, 136}, {40, 42, 212, 74}, {{IDOK, kOk, {73, 92, 149, 116}}}};
const BoxLayout kEntryCheck{{440, 148}, {40, 40, 426, 88}, {{IDOK, kOk, {182, 104, 258, 128}}}};
const BoxLayout kTotalWrong{{330, 140}, {40, 46, 316, 84}, {{IDOK, kOk, {127, 96, 203, 120}}}};
const BoxLayout kVoteAccepted{{444, 124}, {40, 28, 430, 68}, {{IDOK, kOk, {184, 76, 260, 100}}}};
const BoxLayout kError10001{{616, 150}, {40, 44, 602, 92}, {{IDOK, kOk, {270, 100, 346, 124}}}};
const BoxLayout kError11028{{624, 156}, {40, 46, 610, 98}, {{IDOK, kOk, {274, 106, 350, 130}}}};
const BoxLayout kQuitQuestion{
    {300, 136}, {40, 44, 286, 76}, {{IDYES, "はい(&Y)", {70, 92, 148, 116}}, {IDNO, "いいえ(&N)", {156, 92, 234, 116}}}};
const BoxLayout kNotice{{420, 140}, {40, 40, 406, 88}, {{IDOK, kOk, {172, 96, 248, 120}}}};

}  // namespace box

namespace {

using namespace plat;

constexpr int kTextId = 0xFFFF;  // the box's text, as message boxes number it
constexpr Dword kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

// Dialog units for a template (the box lays itself out in pixels when it
// opens): 4 horizontal units are 6 pixels, 8 vertical units 12 pixels.
int toUnitsX(int px) { return px * 4 / 6; }
int toUnitsY(int px) { return px * 8 / 12; }

DialogItem itemAt(int id, const char* className, const std::string& text, Dword style, const DesignRect& r) {
    return {id, className, text, style, toUnitsX(r.left), toUnitsY(r.top), toUnitsX(r.right - r.left),
            toUnitsY(r.bottom - r.top)};
}

DialogTemplate templateOf(const char* caption, const std::string& text, const BoxLayout& layout) {
    DialogTemplate t;
    t.caption = caption;
    t.style = kBoxStyle;
    t.cx = toUnitsX(layout.size.width);
    t.cy = toUnitsY(layout.size.height);
    t.items.push_back(itemAt(kTextId, "Static", text, SS_LEFT, layout.text));
    for (const BoxButton& b : layout.buttons) {
        const Dword style = (&b == &layout.buttons.front() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
        t.items.push_back(itemAt(b.id, "Button", b.caption, style, b.rect));
    }
    return t;
}

class ClientBoxDialog : public Dialog {
public:
    ClientBoxDialog(const char* caption, const std::string& text, const BoxLayout& layout, Scale scale, Hwnd over,
                    ClientTiming& timing)
        : Dialog(templateOf(caption, text, layout)), layout_(layout), scale_(scale), over_(over), timing_(timing) {}

protected:
    bool onInitDialog() override {
        placeBox();
        for (const BoxButton& b : layout_.buttons) timing_.slowDownInput(item(b.id));
        const Hwnd first = item(layout_.buttons.front().id);
        if (first != 0) setFocus(first);
        return false;
    }
    bool onCommand(int id, int /*notifyCode*/) override {
        const bool isButton = std::any_of(layout_.buttons.begin(), layout_.buttons.end(),
                                          [id](const BoxButton& b) { return b.id == id; });
        if (!isButton) return false;
        endDialog(id);
        return true;
    }
    void onOK() override { endDialog(IDOK); }
    void onCancel() override { endDialog(layout_.buttons.back().id); }

private:
    // The box at its scaled size over the middle of its owner, every
    // control at its scaled design rectangle.
    void placeBox() {
        const Point size = scaledSize(layout_.size, scale_);
        Rect area;
        if (over_ == 0 || isIconic(over_) || !getWindowRect(over_, area)) getWindowRect(getDesktopWindow(), area);
        const int left = std::max(0, area.left + (area.width() - size.x) / 2);
        const int top = std::max(0, area.top + (area.height() - size.y) / 2);
        moveWindow(hwnd(), {left, top, left + size.x, top + size.y});
        Rect outer;
        getWindowRect(hwnd(), outer);
        Point origin;
        clientToScreen(hwnd(), origin);
        const int dx = origin.x - outer.left;
        const int dy = origin.y - outer.top;
        auto place = [&](int id, const DesignRect& r) {
            const Rect px = scaleRect(r, scale_);
            moveWindow(item(id), {px.left - dx, px.top - dy, px.right - dx, px.bottom - dy});
        };
        place(kTextId, layout_.text);
        for (const BoxButton& b : layout_.buttons) place(b.id, b.rect);
    }

    const BoxLayout& layout_;
    Scale scale_;
    Hwnd over_;
    ClientTiming& timing_;
};

}  // namespace

int runClientBox(Hwnd owner, Scale scale, const char* caption, const std::string& text, const BoxLayout& layout,
                 ClientTiming& timing) {
    ClientBoxDialog dialog(caption, text, layout, scale, isWindowVisible(owner) ? owner : 0, timing);
    return dialog.doModal(owner);
}

}  // namespace betclient

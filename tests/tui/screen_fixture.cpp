#include "screen_fixture.h"

#include <clocale>

#include "platform/sjis.h"

namespace tuitest {

namespace {

sim::Desktop::Options options(const std::string& directory) {
    sim::Desktop::Options o;
    o.directory = directory;
    return o;
}

}  // namespace

ScreenTest::ScreenTest() : desktop_(options(dir_.path())) {
    // The terminal's widths are the locale's; the front end runs in UTF-8.
    std::setlocale(LC_CTYPE, "C.UTF-8");
    desktop_.setUser(&user_);
}

ScreenTest::~ScreenTest() { desktop_.setUser(nullptr); }

void ScreenTest::startOrnel(std::function<void()> fn) {
    desktop_.startProgram(kOrnel, "", std::move(fn));
    desktop_.runUntil([this] { return screen_.keyboardWindow() != 0; }, 10'000);
}

void ScreenTest::showMainWindow(const plat::DialogTemplate& t) {
    startOrnel([this, t] {
        plat::Dialog dialog(t);
        dialogResult = dialog.doModal(0);
    });
}

const tui::Frame& ScreenTest::compose(int width, int height) {
    input_.noteFocus();
    frame_ = std::make_unique<tui::Frame>(screen_.compose(width, height, "status", {}));
    return *frame_;
}

int ScreenTest::rowOf(const std::string& utf8, int width, int height) {
    const std::vector<std::string> rows = lines(width, height);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].find(utf8) != std::string::npos) return static_cast<int>(r);
    }
    return -1;
}

int ScreenTest::columnOf(int row, const std::string& utf8) const {
    if (!frame_ || row < 0 || row >= frame_->canvas.height()) return -1;
    // Rebuild the row cell by cell, noting where each cell's text starts.
    std::string text;
    std::vector<int> cellAt;
    for (int c = 0; c < frame_->canvas.width(); ++c) {
        const tui::Cell& cell = frame_->canvas.at(row, c);
        if (cell.continuation) continue;
        const std::string glyph = tui::utf8Of(cell.code);
        for (std::size_t i = 0; i < glyph.size(); ++i) cellAt.push_back(c);
        text += glyph;
    }
    const std::size_t at = text.find(utf8);
    return at == std::string::npos ? -1 : cellAt[at];
}

void ScreenTest::give(const tui::InputEvent& event) {
    // Against the picture the person sees now.
    if (!frame_ || event.kind != tui::InputEvent::Kind::Mouse) compose();
    input_.handle(event, *frame_);
    settle();
}

void ScreenTest::key(tui::Key k) { give(keyEvent(k)); }
void ScreenTest::type(const std::string& utf8) { give(textEvent(utf8)); }

void ScreenTest::mouse(tui::MouseAction action, int row, int col) {
    tui::InputEvent e;
    e.kind = tui::InputEvent::Kind::Mouse;
    e.mouse = action;
    e.row = row;
    e.col = col;
    give(e);
}

tui::InputEvent keyEvent(tui::Key k) {
    tui::InputEvent e;
    e.kind = tui::InputEvent::Kind::Key;
    e.key = k;
    return e;
}

tui::InputEvent textEvent(const std::string& utf8) {
    tui::InputEvent e;
    e.kind = tui::InputEvent::Kind::Text;
    e.text = utf8;
    return e;
}

tui::InputEvent pasteEvent(const std::string& utf8) {
    tui::InputEvent e;
    e.kind = tui::InputEvent::Kind::Paste;
    e.text = utf8;
    return e;
}

}  // namespace tuitest

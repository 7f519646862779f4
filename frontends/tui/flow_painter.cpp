#include "frontends/tui/flow_painter.h"

#include <algorithm>
#include <numeric>

#include "frontends/tui/window_painter.h"
#include "platform/sjis.h"
#include "platform/window.h"

namespace tui {

namespace {

constexpr int kMostListLines = 8;  // the last lines of a long list

int columnsOf(const std::string& cp932) { return static_cast<int>(cp932.size()); }

// The lines of a text as the pane shows them: tabs as blanks, without the
// empty lines at the end.
std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines = textLines(text);
    for (std::string& line : lines) std::replace(line.begin(), line.end(), '\t', ' ');
    while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

std::vector<std::vector<std::size_t>> readingRows(const std::vector<plat::Rect>& rects) {
    std::vector<std::size_t> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(rects[a].top, rects[a].left) < std::pair(rects[b].top, rects[b].left);
    });
    std::vector<std::vector<std::size_t>> rows;
    int rowBottom = 0;
    for (std::size_t i : order) {
        if (rows.empty() || rects[i].top >= rowBottom) {
            rows.emplace_back();
            rowBottom = rects[i].bottom;
        }
        rows.back().push_back(i);
    }
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(), [&](std::size_t a, std::size_t b) {
            return std::pair(rects[a].left, rects[a].top) < std::pair(rects[b].left, rects[b].top);
        });
    }
    return rows;
}

FlowPainter::FlowPainter(Canvas& canvas, const std::set<plat::Hwnd>& busy) : canvas_(canvas), busy_(busy) {}

Style FlowPainter::styleOf(const ControlState& c, Style normal) const {
    if (busy_.count(c.hwnd) != 0) return Style::Busy;
    if (!c.enabled) return normal == Style::Button ? Style::DisabledButton : Style::Disabled;
    return normal;
}

void FlowPainter::addControl(const ControlState& c, plat::Hwnd top, std::vector<Token>& tokens) const {
    Token t;
    t.window = c.hwnd;
    const std::string caption = withoutMnemonic(c.text);
    switch (c.kind) {
    case ControlKind::PushButton:
        t.lines = {"[" + caption + "]"};
        t.style = styleOf(c, Style::Button);
        break;
    case ControlKind::CheckBox:
        t.lines = {(c.checked ? "[x]" : "[ ]") + caption};
        t.style = styleOf(c, Style::Window);
        break;
    case ControlKind::OptionButton:
        t.lines = {(c.checked ? "(*)" : "( )") + caption};
        t.style = styleOf(c, Style::Window);
        break;
    case ControlKind::ComboBox:
        t.lines = {"[" + c.text + "v]"};
        t.style = styleOf(c, Style::Field);
        break;
    case ControlKind::Edit: {
        if (c.style & plat::ES_PASSWORD) {
            t.lines = {"[" + std::string(c.text.size(), '*') + "]"};
        } else if (c.style & plat::ES_MULTILINE) {
            t.lines = splitLines(c.text);
            if (t.lines.size() > kMostListLines) t.lines.erase(t.lines.begin(), t.lines.end() - kMostListLines);
            t.block = true;
        } else {
            t.lines = {"[" + c.text + "]"};
        }
        t.style = styleOf(c, Style::Field);
        break;
    }
    case ControlKind::GroupBox:
        if (!caption.empty()) t.lines = {caption + ":"};
        t.style = styleOf(c, Style::Window);
        break;
    default:
        if (c.text.empty()) break;
        t.lines = splitLines(c.text);
        t.block = t.lines.size() > 1;
        t.style = styleOf(c, Style::Window);
        break;
    }
    if (!t.lines.empty()) tokens.push_back(t);
    // A frame or a panel shows its controls after its caption.
    collect(c.hwnd, top, false, tokens);
}

void FlowPainter::collect(plat::Hwnd parent, plat::Hwnd top, bool breakRows, std::vector<Token>& tokens) const {
    std::vector<ControlState> controls;
    std::vector<plat::Rect> rects;
    for (plat::Hwnd child : visibleChildren(parent)) {
        controls.push_back(readControl(child, top));
        rects.push_back(controls.back().rect);
    }
    for (const auto& row : readingRows(rects)) {
        for (std::size_t i : row) addControl(controls[i], top, tokens);
        if (breakRows && !tokens.empty()) tokens.back().breakAfter = true;
    }
}

int FlowPainter::paint(plat::Hwnd window, const CellRect& area, bool foreground) {
    if (area.empty()) return 0;
    const CellRect outerClip = canvas_.clip();
    canvas_.setClip(outerClip.intersect(area));
    canvas_.setWindow(window);
    const Style bar = foreground ? Style::ActiveCaption : Style::Caption;
    canvas_.fill({area.left, area.top, area.right, area.top + 1}, bar);
    canvas_.text(area.top, area.left + 1, plat::getWindowText(window), bar, area.width() - 1);

    std::vector<Token> tokens;
    collect(window, window, true, tokens);
    int row = area.top + 1;
    int col = area.left;
    auto newRow = [&] {
        if (col > area.left) ++row;
        col = area.left;
    };
    for (const Token& t : tokens) {
        if (row >= area.bottom) break;
        canvas_.setWindow(t.window);
        if (t.block) {
            newRow();
            for (const std::string& line : t.lines) {
                if (row >= area.bottom) break;
                canvas_.text(row++, area.left + 1, line, t.style, area.width() - 1);
            }
            continue;
        }
        const std::string& text = t.lines.front();
        const int width = std::min(columnsOf(text), area.width());
        if (col > area.left && col + width > area.right) newRow();
        if (row >= area.bottom) break;
        canvas_.text(row, col, text, t.style, area.right - col);
        col += width + 1;
        if (t.breakAfter) newRow();
    }
    newRow();
    canvas_.setWindow(0);
    canvas_.setClip(outerClip);
    return std::min(row, area.bottom) - area.top;
}

}  // namespace tui

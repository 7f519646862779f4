#include "frontends/tui/window_painter.h"

#include <algorithm>

#include "frontends/tui/layout.h"
#include "platform/sjis.h"
#include "platform/window.h"

namespace tui {

namespace {

constexpr char32_t kScrollThumb = U'█';
constexpr char32_t kDropArrow = U'▼';

int textColumns(const std::string& cp932) { return static_cast<int>(cp932.size()); }

// A line cut into pieces of at most `columns` columns, at character
// boundaries.
std::vector<std::string> wrapped(const std::string& line, int columns) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = sjis::isLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
        if (textColumns(pieces.back()) + static_cast<int>(n) > columns && !pieces.back().empty()) pieces.emplace_back();
        pieces.back() += line.substr(i, n);
        i += n;
    }
    return pieces;
}

}  // namespace

std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
            if (sjis::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < text.size()) lines.back() += text[++i];
        }
    }
    return lines;
}

bool takesRows(const ControlState& c) {
    switch (c.kind) {
    case ControlKind::Edit: return (c.style & plat::ES_MULTILINE) != 0;
    case ControlKind::GroupBox:
    case ControlKind::Other: return true;
    case ControlKind::Static: return textLines(c.text).size() > 1;
    default: return false;
    }
}

CellRect editTextCells(const ControlState& edit, const CellRect& cells) {
    const bool multiline = (edit.style & plat::ES_MULTILINE) != 0;
    const bool boxed = (edit.style & plat::WS_BORDER) && multiline && cells.height() >= 3 && cells.width() >= 3;
    return boxed ? CellRect{cells.left + 1, cells.top + 1, cells.right - 1, cells.bottom - 1} : cells;
}

std::string withoutMnemonic(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const auto c = static_cast<unsigned char>(caption[i]);
        if (sjis::isLeadByte(c) && i + 1 < caption.size()) {
            out += caption.substr(i++, 2);
        } else if (c == '&' && i + 1 < caption.size()) {
            out += caption[++i];  // "&&" is a plain '&'
        } else {
            out += caption[i];
        }
    }
    return out;
}

bool drawsFrame(plat::Hwnd window) {
    return (plat::getStyle(window) & (plat::WS_CAPTION | plat::WS_BORDER | plat::WS_THICKFRAME)) != 0;
}

CellRect frameCells(plat::Hwnd window) {
    plat::Rect client;
    plat::getClientRect(window, client);
    const CellRect inside = cellsOf(client, true);
    const int frame = drawsFrame(window) ? 2 : 0;
    return {0, 0, inside.width() + frame, inside.height() + frame};
}

WindowPainter::WindowPainter(Canvas& canvas, EditScrolls& scrolls, plat::Hwnd focus)
    : canvas_(canvas), scrolls_(scrolls), focus_(focus) {}

Placement WindowPainter::paint(plat::Hwnd window, int row, int col, bool active) {
    active_ = active;
    dropped_.clear();
    const CellRect size = frameCells(window);
    Placement p{window, {col, row, col + size.width(), row + size.height()}, row, col};
    const bool framed = drawsFrame(window);
    const CellRect outerClip = canvas_.clip();
    canvas_.setWindow(window);
    canvas_.setClip(outerClip.intersect(p.cells));
    canvas_.fill(p.cells, Style::Window);
    if (framed) {
        canvas_.box(p.cells, Style::Frame);
        const CellRect bar{p.cells.left, p.cells.top, p.cells.right, p.cells.top + 1};
        const Style barStyle = active ? Style::ActiveCaption : Style::Caption;
        canvas_.fill(bar, barStyle);
        canvas_.text(bar.top, bar.left + 1, plat::getWindowText(window), barStyle, bar.width() - 2);
        p.clientRow = row + 1;
        p.clientCol = col + 1;
    }
    const CellRect client{p.clientCol, p.clientRow, p.cells.right - (framed ? 1 : 0), p.cells.bottom - (framed ? 1 : 0)};
    canvas_.setClip(outerClip.intersect(client));
    paintChildren(window, window, p.clientRow, p.clientCol);
    // An open drop-down list lies over everything, also beyond the window.
    canvas_.setClip(outerClip);
    for (const auto& [combo, cells] : dropped_) paintDroppedList(combo, cells);
    canvas_.setClip(outerClip);
    canvas_.setWindow(0);
    return p;
}

void WindowPainter::paintChildren(plat::Hwnd parent, plat::Hwnd top, int row, int col) {
    for (plat::Hwnd child : visibleChildren(parent)) {
        const ControlState c = readControl(child, top);
        CellRect cells = cellsOf(c.rect, takesRows(c));
        cells = {cells.left + col, cells.top + row, cells.right + col, cells.bottom + row};
        canvas_.setWindow(child);
        paintControl(c, cells);
        paintChildren(child, top, row, col);
    }
}

void WindowPainter::paintControl(const ControlState& c, const CellRect& cells) {
    switch (c.kind) {
    case ControlKind::Edit: paintEdit(c, cells); return;
    case ControlKind::PushButton: paintPushButton(c, cells); return;
    case ControlKind::CheckBox: paintCheck(c, cells, false); return;
    case ControlKind::OptionButton: paintCheck(c, cells, true); return;
    case ControlKind::GroupBox:
        canvas_.box(cells, Style::Frame, withoutMnemonic(c.text));
        return;
    case ControlKind::ComboBox: paintCombo(c, cells); return;
    case ControlKind::Static:
        paintText(withoutMnemonic(c.text), cells, c.enabled ? Style::Window : Style::Disabled);
        return;
    case ControlKind::Dialog:
    case ControlKind::Other: paintText(c.text, cells, c.enabled ? Style::Window : Style::Disabled); return;
    }
}

void WindowPainter::paintText(const std::string& text, const CellRect& cells, Style style) {
    int row = cells.top;
    for (const std::string& line : textLines(text)) {
        for (const std::string& piece : wrapped(line, cells.width())) {
            if (row >= cells.bottom) return;
            canvas_.text(row++, cells.left, piece, style, cells.width());
        }
    }
}

void WindowPainter::paintEdit(const ControlState& c, CellRect cells) {
    const bool multiline = (c.style & plat::ES_MULTILINE) != 0;
    const bool readOnly = (c.style & plat::ES_READONLY) != 0;
    const bool focused = c.hwnd == focus_;
    const Style fieldStyle = !c.enabled ? Style::DisabledField : readOnly ? Style::Window : Style::Field;
    canvas_.fill(cells, fieldStyle);
    const CellRect inner = editTextCells(c, cells);
    const bool boxed = inner != cells;
    if (boxed) canvas_.box(cells, Style::Frame);

    const std::vector<EditLine> lines = editLines(c.text, multiline);
    const std::size_t caret = c.selectionEnd;  // the caret is at one end; the end is where typing goes on
    int caretLine = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].start <= caret) caretLine = static_cast<int>(i);
    }
    const EditLine& onCaret = lines[static_cast<std::size_t>(caretLine)];
    const int caretColumn = columnOfByte(onCaret.bytes, caret - onCaret.start);
    const EditScroll& view = scrolls_.follow(c.hwnd, static_cast<int>(lines.size()), inner.height(), inner.width(),
                                             caretLine, caretColumn, caret, c.text.size());
    const bool password = (c.style & plat::ES_PASSWORD) != 0;
    for (int r = 0; r < inner.height(); ++r) {
        const std::size_t index = static_cast<std::size_t>(view.firstLine + r);
        if (index >= lines.size()) break;
        const EditLine& line = lines[index];
        int column = 0;
        for (std::size_t i = 0; i < line.bytes.size();) {
            const auto b = static_cast<unsigned char>(line.bytes[i]);
            const std::size_t n = sjis::isLeadByte(b) && i + 1 < line.bytes.size() ? 2 : 1;
            const bool selected = focused && line.start + i >= c.selectionStart && line.start + i < c.selectionEnd;
            const Style style = selected ? Style::Selection : fieldStyle;
            const int next = line.bytes[i] == '\t' ? (column / kTabColumns + 1) * kTabColumns : column + static_cast<int>(n);
            const int x = inner.left + column - view.firstColumn;
            if (column >= view.firstColumn && next - view.firstColumn <= inner.width()) {
                if (password) {
                    for (int k = 0; k < static_cast<int>(n); ++k) canvas_.putCode(inner.top + r, x + k, U'*', style);
                } else if (line.bytes[i] == '\t') {
                    for (int k = column; k < next; ++k) canvas_.putCode(inner.top + r, x + (k - column), U' ', style);
                } else {
                    canvas_.put(inner.top + r, x, glyphOf(std::string_view(line.bytes).substr(i, n)), style);
                }
            }
            column = next;
            i += n;
        }
    }
    if (boxed && (c.style & plat::WS_VSCROLL) && static_cast<int>(lines.size()) > inner.height()) {
        const int span = std::max(static_cast<int>(lines.size()) - inner.height(), 1);
        const int thumb = inner.top + view.firstLine * (inner.height() - 1) / span;
        canvas_.putCode(thumb, cells.right - 1, kScrollThumb, Style::Frame);
    }
    if (focused && active_ && !readOnly && c.enabled) {
        const int row = inner.top + caretLine - view.firstLine;
        const int col = inner.left + caretColumn - view.firstColumn;
        if (inner.contains(row, col) && canvas_.clip().contains(row, col)) canvas_.setCursor(row, col);
    }
}

void WindowPainter::paintPushButton(const ControlState& c, const CellRect& cells) {
    // A column of the window is left between neighbouring buttons where the
    // caption has room without it.
    const std::string caption = withoutMnemonic(c.text);
    CellRect face = cells;
    if (face.width() - 1 >= std::max(textColumns(caption), 2)) --face.right;
    const Style style = !c.enabled ? Style::DisabledButton : c.hwnd == focus_ ? Style::FocusButton : Style::Button;
    canvas_.fill(face, style);
    const int width = std::min(textColumns(caption), face.width());
    canvas_.text(face.top, face.left + (face.width() - width) / 2, caption, style, face.width());
}

void WindowPainter::paintCheck(const ControlState& c, const CellRect& cells, bool option) {
    const Style mark = c.enabled ? Style::Window : Style::Disabled;
    const Style label = !c.enabled ? Style::Disabled : c.hwnd == focus_ ? Style::Focus : Style::Window;
    const char* box = option ? (c.checked ? "(*)" : "( )") : (c.checked ? "[x]" : "[ ]");
    const int used = canvas_.ascii(cells.top, cells.left, box, mark, cells.width());
    canvas_.text(cells.top, cells.left + used, withoutMnemonic(c.text), label, cells.width() - used);
}

void WindowPainter::paintCombo(const ControlState& c, const CellRect& cells) {
    const Style style = c.enabled ? Style::Field : Style::DisabledField;
    const CellRect field{cells.left, cells.top, cells.right, cells.top + 1};
    canvas_.fill(field, c.hwnd == focus_ ? Style::Selection : style);
    canvas_.text(field.top, field.left, c.text, c.hwnd == focus_ ? Style::Selection : style, field.width() - 1);
    canvas_.putCode(field.top, field.right - 1, kDropArrow, style);
    if (c.droppedDown) dropped_.emplace_back(c, field);
}

void WindowPainter::paintDroppedList(const ControlState& c, const CellRect& field) {
    canvas_.setWindow(c.hwnd);
    int row = field.bottom;
    for (std::size_t i = 0; i < c.items.size(); ++i, ++row) {
        const Style style = static_cast<int>(i) == c.selected ? Style::MenuSelected : Style::MenuItem;
        canvas_.fill({field.left, row, field.right, row + 1}, style);
        canvas_.text(row, field.left, c.items[i], style, field.width());
    }
}

}  // namespace tui

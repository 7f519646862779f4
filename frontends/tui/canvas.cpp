#include "frontends/tui/canvas.h"

#include <algorithm>

#include "platform/sjis.h"

namespace tui {

CellRect CellRect::intersect(const CellRect& o) const {
    CellRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.empty()) return {};
    return r;
}

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      cells_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
      clip_{0, 0, width_, height_} {}

void Canvas::setClip(const CellRect& clip) { clip_ = clip.intersect({0, 0, width_, height_}); }

void Canvas::put(int row, int col, const Glyph& glyph, Style style) {
    // A two-column character needs both of its columns.
    if (glyph.columns == 2 && !(visible(row, col) && visible(row, col + 1))) {
        if (visible(row, col)) putCode(row, col, U' ', style);
        if (visible(row, col + 1)) putCode(row, col + 1, U' ', style);
        return;
    }
    if (!visible(row, col)) return;
    // A wide glyph being overwritten half loses its other half.
    Cell& cell = cells_[index(row, col)];
    if (cell.continuation && col > 0) cells_[index(row, col - 1)].code = U' ';
    if (col + 1 < width_ && cells_[index(row, col + 1)].continuation) {
        cells_[index(row, col + 1)] = {U' ', false, cells_[index(row, col + 1)].style, cells_[index(row, col + 1)].window};
    }
    cell = {glyph.code, false, style, window_};
    if (glyph.drawnWidth == 2) {
        Cell& right = cells_[index(row, col + 1)];
        if (col + 2 < width_ && cells_[index(row, col + 2)].continuation) cells_[index(row, col + 2)].continuation = false;
        right = {U' ', true, style, window_};
    } else if (glyph.columns == 2) {
        cells_[index(row, col + 1)] = {U' ', false, style, window_};
    }
}

void Canvas::putCode(int row, int col, char32_t code, Style style) { put(row, col, Glyph{code, 1, 1}, style); }

int Canvas::text(int row, int col, std::string_view cp932, Style style, int maxColumns) {
    int used = 0;
    for (const Glyph& g : glyphsOf(cp932)) {
        if (used + g.columns > maxColumns) break;
        put(row, col + used, g, style);
        used += g.columns;
    }
    return used;
}

int Canvas::ascii(int row, int col, std::string_view text, Style style, int maxColumns) {
    int used = 0;
    for (const char c : text) {
        if (used >= maxColumns) break;
        putCode(row, col + used, static_cast<unsigned char>(c), style);
        ++used;
    }
    return used;
}

void Canvas::fill(const CellRect& rect, Style style, char32_t code) {
    for (int r = rect.top; r < rect.bottom; ++r) {
        for (int c = rect.left; c < rect.right; ++c) putCode(r, c, code, style);
    }
}

void Canvas::box(const CellRect& rect, Style style, std::string_view title) {
    if (rect.width() < 2 || rect.height() < 2) return;
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    for (int c = rect.left + 1; c < right; ++c) {
        putCode(rect.top, c, U'─', style);
        putCode(bottom, c, U'─', style);
    }
    for (int r = rect.top + 1; r < bottom; ++r) {
        putCode(r, rect.left, U'│', style);
        putCode(r, right, U'│', style);
    }
    putCode(rect.top, rect.left, U'┌', style);
    putCode(rect.top, right, U'┐', style);
    putCode(bottom, rect.left, U'└', style);
    putCode(bottom, right, U'┘', style);
    if (!title.empty()) text(rect.top, rect.left + 1, title, style, rect.width() - 2);
}

void Canvas::restyle(const CellRect& rect, Style style) {
    const CellRect r = rect.intersect(clip_);
    for (int row = r.top; row < r.bottom; ++row) {
        for (int col = r.left; col < r.right; ++col) cells_[index(row, col)].style = style;
    }
}

void Canvas::setCursor(int row, int col) {
    if (row >= 0 && col >= 0 && row < height_ && col < width_) {
        cursorRow_ = row;
        cursorCol_ = col;
    } else {
        cursorRow_ = cursorCol_ = -1;
    }
}

plat::Hwnd Canvas::windowAt(int row, int col) const {
    if (row < 0 || col < 0 || row >= height_ || col >= width_) return 0;
    return cells_[index(row, col)].window;
}

std::vector<std::string> Canvas::lines() const {
    std::vector<std::string> rows;
    for (int r = 0; r < height_; ++r) {
        std::string line;
        for (int c = 0; c < width_; ++c) {
            const Cell& cell = at(r, c);
            if (!cell.continuation) line += utf8Of(cell.code);
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        rows.push_back(line);
    }
    return rows;
}

}  // namespace tui

// A frame of the terminal as cells: what each cell shows, in which style,
// and which window drew it (so that a click can be given to that window).
// The screen is composed on a canvas and then handed to the terminal whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frontends/tui/glyphs.h"
#include "platform/wintypes.h"

namespace tui {

// How a cell is drawn; the terminal maps each style to colours, or to plain
// attributes where it has no colours.
enum class Style : std::uint8_t {
    Normal,
    Window,          // a window's client area
    Frame,           // borders of windows, frames and boxes
    Caption,         // the caption bar of an inactive window
    ActiveCaption,   // the caption bar of the window that takes the keyboard
    Field,           // an edit or a combo box
    DisabledField,
    Selection,       // selected text
    Button,
    FocusButton,
    DisabledButton,
    Disabled,        // the text of a disabled control
    Focus,           // the text of a focused check box or option button
    Busy,            // a client control the driver has just operated
    StatusLine,
    MenuItem,
    MenuSelected,
    DisabledMenuItem,
};

struct Cell {
    char32_t code = U' ';
    bool continuation = false;  // the right half of a two-column glyph
    Style style = Style::Normal;
    plat::Hwnd window = 0;      // the window that drew the cell (0: none)
};

struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int row, int col) const { return row >= top && row < bottom && col >= left && col < right; }
    CellRect intersect(const CellRect& o) const;
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const Cell& at(int row, int col) const { return cells_[index(row, col)]; }

    // Drawing is limited to the clip rectangle (the whole canvas at first).
    void setClip(const CellRect& clip);
    const CellRect& clip() const { return clip_; }

    // Which window the following drawing belongs to.
    void setWindow(plat::Hwnd window) { window_ = window; }

    void put(int row, int col, const Glyph& glyph, Style style);
    void putCode(int row, int col, char32_t code, Style style);
    // Shift-JIS text from a column, at most maxColumns wide; returns the
    // columns drawn.  A two-column character that would not fit whole is
    // left out.
    int text(int row, int col, std::string_view cp932, Style style, int maxColumns);
    // ASCII text (the front end's own labels).
    int ascii(int row, int col, std::string_view text, Style style, int maxColumns);
    void fill(const CellRect& rect, Style style, char32_t code = U' ');
    // A box along the edges of rect, with an optional Shift-JIS title in
    // its top edge.
    void box(const CellRect& rect, Style style, std::string_view title = {});
    // Restyles cells without changing what they show.
    void restyle(const CellRect& rect, Style style);

    // Where the terminal's cursor goes (the caret of the focused edit).
    void setCursor(int row, int col);
    bool cursorVisible() const { return cursorRow_ >= 0; }
    int cursorRow() const { return cursorRow_; }
    int cursorCol() const { return cursorCol_; }

    // The window that drew a cell (0: none or outside).
    plat::Hwnd windowAt(int row, int col) const;

    // The rows as UTF-8 text, trailing blanks removed (for tests and logs).
    std::vector<std::string> lines() const;

private:
    std::size_t index(int row, int col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(col);
    }
    bool visible(int row, int col) const { return clip_.contains(row, col); }

    int width_;
    int height_;
    std::vector<Cell> cells_;
    CellRect clip_;
    plat::Hwnd window_ = 0;
    int cursorRow_ = -1;
    int cursorCol_ = -1;
};

}  // namespace tui

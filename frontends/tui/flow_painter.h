// Paints a window compactly, for the narrow pane that shows the betting
// client: its caption bar, then its controls in reading order — the rows
// they lie in from top to bottom, each row left to right — as short tokens
// flowed into the pane's width:
//
//   場名:[東京▼] 当日/前日:[当日▼] ﾚｰｽ番号:[11R▼] 方式:(*)通常( )総流し
//   [７][８][９][Ｃ] [ Ｏ　Ｋ ]
//
// A frame shows its caption and then its controls; a text of several lines
// (a list, the number grid) takes rows of its own; each row of the window's
// own controls starts a row of the pane.  Disabled controls are
// dimmed, and a control the driver has just operated is highlighted.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "frontends/tui/canvas.h"
#include "frontends/tui/control_state.h"

namespace tui {

class FlowPainter {
public:
    // busy: controls the driver has just sent or posted messages to.
    FlowPainter(Canvas& canvas, const std::set<plat::Hwnd>& busy);

    // Paints the window in the area; returns the rows used.
    int paint(plat::Hwnd window, const CellRect& area, bool foreground);

private:
    struct Token {
        plat::Hwnd window = 0;
        std::vector<std::string> lines;  // one line: inline; more: a block of rows
        Style style = Style::Window;
        bool block = false;
        bool breakAfter = false;  // the end of a row of controls
    };

    // Rows of the window's own controls end a row of the pane; the rows
    // inside a frame flow on.
    void collect(plat::Hwnd parent, plat::Hwnd top, bool breakRows, std::vector<Token>& tokens) const;
    void addControl(const ControlState& c, plat::Hwnd top, std::vector<Token>& tokens) const;
    Style styleOf(const ControlState& c, Style normal) const;

    Canvas& canvas_;
    const std::set<plat::Hwnd>& busy_;
};

// Controls in reading order: rows from top to bottom (a control belongs to
// the row of the first control whose height it starts within), each row
// from left to right.  rects are the controls' screen rectangles.
std::vector<std::vector<std::size_t>> readingRows(const std::vector<plat::Rect>& rects);

}  // namespace tui

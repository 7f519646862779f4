// Paints the program's windows as they are laid out: a top-level window
// with its caption bar and border, and its controls at the cells of their
// positions (layout.h) — edits with their text, selection and caret, push
// buttons, check boxes, option buttons, frames, labels and combo boxes.
#pragma once

#include <vector>

#include "frontends/tui/canvas.h"
#include "frontends/tui/control_state.h"
#include "frontends/tui/edit_view.h"

namespace tui {

// Where a top-level window was painted.
struct Placement {
    plat::Hwnd window = 0;
    CellRect cells;      // frame included
    int clientRow = 0;   // the cell of its client area's top-left pixel
    int clientCol = 0;
};

// Whether a top-level window is painted with a frame: a caption bar on top
// and a border of one cell on the other sides.
bool drawsFrame(plat::Hwnd window);
// The cells a top-level window takes with its frame, at the top-left corner.
CellRect frameCells(plat::Hwnd window);

// The cells an edit's text takes within its cells (inside its border when
// it draws one).
CellRect editTextCells(const ControlState& edit, const CellRect& cells);

// Whether a control takes several rows when it is tall enough (layout.h).
bool takesRows(const ControlState& c);

// Lines of a label or a box text: CR LF, a lone CR and a lone LF all end one.
std::vector<std::string> textLines(const std::string& text);

// A caption without its mnemonic marks ("はい(&Y)" reads "はい(Y)").
std::string withoutMnemonic(const std::string& caption);

class WindowPainter {
public:
    // focus: the window with the keyboard focus; the caret is shown only in
    // the window that takes the keyboard.
    WindowPainter(Canvas& canvas, EditScrolls& scrolls, plat::Hwnd focus);

    // Paints the window with its top-left corner at (row, col).
    Placement paint(plat::Hwnd window, int row, int col, bool active);

private:
    void paintChildren(plat::Hwnd parent, plat::Hwnd top, int row, int col);
    void paintControl(const ControlState& c, const CellRect& cells);
    void paintEdit(const ControlState& c, CellRect cells);
    void paintPushButton(const ControlState& c, const CellRect& cells);
    void paintCheck(const ControlState& c, const CellRect& cells, bool option);
    void paintText(const std::string& text, const CellRect& cells, Style style);
    void paintCombo(const ControlState& c, const CellRect& cells);
    void paintDroppedList(const ControlState& c, const CellRect& cells);

    Canvas& canvas_;
    EditScrolls& scrolls_;
    plat::Hwnd focus_;
    bool active_ = false;
    std::vector<std::pair<ControlState, CellRect>> dropped_;
};

}  // namespace tui

// Where a window's pixels fall on the terminal's cells.
//
// The program's dialogs are laid out in the units of their font, whose
// half-width character is 6 pixels wide and whose line is 12 pixels high; a
// cell of the terminal stands for exactly that, so captions and texts fill
// their controls as they do on the screen they were made for.  A control
// lower than two lines (a button, a one-line edit, a label, a check box)
// takes the row its middle falls on; taller ones (lists, frames, several
// lines of text) take the rows their edges round to.
#pragma once

#include "frontends/tui/canvas.h"
#include "platform/wintypes.h"

namespace tui {

constexpr int kColumnPixels = 6;
constexpr int kRowPixels = 12;

// The column or row a pixel edge rounds to.
int columnOfEdge(int x);
int rowOfEdge(int y);

// The cells of a rectangle of a window's client area, relative to the
// cell of the client area's top-left corner.  multiRow: the control may
// take several rows (a multi-line edit, a frame, a text of several lines).
CellRect cellsOf(const plat::Rect& clientPixels, bool multiRow);

// The client pixel at the middle of a cell of the client area (for clicks).
plat::Point pixelOfCell(int row, int col);

}  // namespace tui

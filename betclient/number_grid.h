// The number grid of the vote form: a window of its own class that shows
// the numbers to click and tells its parent which cell was clicked with
// WM_COMMAND (control id, cell number).
//
// Horses: two rows of nine equal cells, number n in column (n - 1) mod 9 and
// row (n - 1) div 9.  Brackets (枠連): one row of nine cells, each 3/29 of
// the width — brackets 1 to 8 and cell 9 for the same bracket — and the rest
// of the row a margin.  The window keeps a textual picture of itself in its
// caption (chosen cells in brackets, closed ones as dashes).
#pragma once

#include <vector>

#include "betclient/click_surface.h"

namespace betclient {

class NumberGrid : public ClickSurface {
public:
    enum class Mode { Horses, Brackets };
    static constexpr int kColumns = 9;
    static constexpr int kHorseCells = 18;
    static constexpr int kBracketCells = 9;

    // The cell under a client point of a grid of that size, 0 for none.
    static int cellAt(Mode mode, int width, int height, int x, int y);
    static int cellCount(Mode mode) { return mode == Mode::Horses ? kHorseCells : kBracketCells; }

    void attach(plat::Hwnd window);
    Mode mode() const { return mode_; }
    // open[i] and the chosen numbers describe cell i + 1.
    void show(Mode mode, const std::vector<bool>& open, const std::vector<int>& chosen);
    bool isOpen(int cell) const;

protected:
    // A cell that is open, or 0.
    int regionAt(int width, int height, int x, int y) const override;

private:
    void render();

    Mode mode_ = Mode::Horses;
    std::vector<bool> open_;
    std::vector<int> chosen_;
};

}  // namespace betclient

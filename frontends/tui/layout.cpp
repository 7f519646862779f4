#include "frontends/tui/layout.h"

#include <algorithm>

namespace tui {

namespace {

// Rounds a / b to the nearest whole number, halves upwards, for any sign.
int roundDiv(int a, int b) {
    const int twice = 2 * a + b;
    const int q = twice / (2 * b);
    return (twice % (2 * b) != 0 && twice < 0) ? q - 1 : q;
}

int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

int columnOfEdge(int x) { return roundDiv(x, kColumnPixels); }
int rowOfEdge(int y) { return roundDiv(y, kRowPixels); }

CellRect cellsOf(const plat::Rect& px, bool multiRow) {
    CellRect cells;
    cells.left = columnOfEdge(px.left);
    cells.right = std::max(columnOfEdge(px.right), cells.left + 1);
    if (multiRow && px.height() >= 2 * kRowPixels) {
        cells.top = rowOfEdge(px.top);
        cells.bottom = std::max(rowOfEdge(px.bottom), cells.top + 1);
    } else {
        cells.top = floorDiv(px.top + px.height() / 2, kRowPixels);
        cells.bottom = cells.top + 1;
    }
    return cells;
}

plat::Point pixelOfCell(int row, int col) {
    return {col * kColumnPixels + kColumnPixels / 2, row * kRowPixels + kRowPixels / 2};
}

}  // namespace tui

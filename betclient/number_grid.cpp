#include "betclient/number_grid.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace betclient {

namespace {

using namespace plat;

constexpr int kHorseRows = 2;
// A bracket cell is 3/29 of the grid's width.
constexpr double kBracketCellShare = 3.0 / 29.0;
constexpr const char* kSameBracketLabel = "同";

}  // namespace

int NumberGrid::cellAt(Mode mode, int width, int height, int x, int y) {
    if (width <= 0 || height <= 0 || x < 0 || y < 0 || x >= width || y >= height) return 0;
    if (mode == Mode::Horses) {
        const int column = x * kColumns / width;
        const int row = y * kHorseRows / height;
        return row * kColumns + column + 1;
    }
    const int column = static_cast<int>(x / (width * kBracketCellShare));
    return column < kBracketCells ? column + 1 : 0;
}

void NumberGrid::attach(Hwnd window) {
    attachTo(window);
    render();
}

void NumberGrid::show(Mode mode, const std::vector<bool>& open, const std::vector<int>& chosen) {
    mode_ = mode;
    open_ = open;
    open_.resize(static_cast<std::size_t>(cellCount(mode)), false);
    chosen_ = chosen;
    render();
}

bool NumberGrid::isOpen(int cell) const {
    return cell >= 1 && cell <= static_cast<int>(open_.size()) && open_[static_cast<std::size_t>(cell - 1)];
}

int NumberGrid::regionAt(int width, int height, int x, int y) const {
    const int cell = cellAt(mode_, width, height, x, y);
    return isOpen(cell) ? cell : 0;
}

void NumberGrid::render() {
    if (!hwnd()) return;
    std::string picture;
    const int cells = cellCount(mode_);
    for (int cell = 1; cell <= cells; ++cell) {
        char token[8];
        const bool chosen = std::find(chosen_.begin(), chosen_.end(), cell) != chosen_.end();
        if (mode_ == Mode::Brackets && cell == kBracketCells) {
            std::snprintf(token, sizeof token, isOpen(cell) ? "[%s]" : " %s ", kSameBracketLabel);
        } else if (!isOpen(cell) && !chosen) {
            std::snprintf(token, sizeof token, " -- ");
        } else {
            std::snprintf(token, sizeof token, chosen ? "(%2d)" : " %2d ", cell);
        }
        picture += token;
        if (mode_ == Mode::Horses && cell == kColumns) picture += "\n";
    }
    setWindowText(hwnd(), picture);
}

}  // namespace betclient

// The item lists of the information form: rows (payout kinds) or columns
// (races) that a click selects or deselects.  The list tells its parent of a
// click with WM_COMMAND (control id, item index + 1) and shows a textual
// picture of itself in its caption.
//
// Item k of n takes the k-th band of the list: rows split the height, and
// columns the width, into n equal bands of whole pixels, a band being twice
// (height or width) / (2 n) — so the centre of each band is an odd multiple
// of (height or width) / (2 n).
#pragma once

#include <string>
#include <vector>

#include "betclient/click_surface.h"

namespace betclient {

class ItemList : public ClickSurface {
public:
    enum class Layout { Rows, Columns };

    // The item under a client point, or -1.
    static int itemAt(Layout layout, int count, int width, int height, int x, int y);

    void attach(plat::Hwnd window, Layout layout);
    void show(std::vector<std::string> labels, std::vector<bool> selected);

protected:
    // Item index + 1, or 0.
    int regionAt(int width, int height, int x, int y) const override;

private:
    void render();

    Layout layout_ = Layout::Rows;
    std::vector<std::string> labels_;
    std::vector<bool> selected_;
};

}  // namespace betclient

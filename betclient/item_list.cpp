#include "betclient/item_list.h"

#include <algorithm>

namespace betclient {

namespace {

using namespace plat;

constexpr const char* kSelectedMark = "■";
constexpr const char* kUnselectedMark = "□";

}  // namespace

int ItemList::itemAt(Layout layout, int count, int width, int height, int x, int y) {
    if (count <= 0 || x < 0 || y < 0 || x >= width || y >= height) return -1;
    const int extent = layout == Layout::Rows ? height : width;
    const int at = layout == Layout::Rows ? y : x;
    const int half = extent / (2 * count);
    const int item = half > 0 ? at / (2 * half) : at * count / extent;
    return std::min(item, count - 1);
}

void ItemList::attach(Hwnd window, Layout layout) {
    layout_ = layout;
    attachTo(window);
    render();
}

void ItemList::show(std::vector<std::string> labels, std::vector<bool> selected) {
    labels_ = std::move(labels);
    selected_ = std::move(selected);
    selected_.resize(labels_.size(), false);
    render();
}

int ItemList::regionAt(int width, int height, int x, int y) const {
    return itemAt(layout_, static_cast<int>(labels_.size()), width, height, x, y) + 1;
}

void ItemList::render() {
    if (!hwnd()) return;
    std::string picture;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        if (i > 0) picture += layout_ == Layout::Rows ? "\n" : " ";
        picture += selected_[i] ? kSelectedMark : kUnselectedMark;
        picture += labels_[i];
    }
    setWindowText(hwnd(), picture);
}

}  // namespace betclient

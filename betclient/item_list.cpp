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

Lresult ItemList::windowProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    auto* list = static_cast<ItemList*>(getWindowData(window));
    if (!list) return defWindowProc(window, message, wParam, lParam);
    return list->handle(message, wParam, lParam);
}

void ItemList::attach(Hwnd window, Layout layout) {
    hwnd_ = window;
    layout_ = layout;
    setWindowData(window, this);
    render();
}

void ItemList::show(std::vector<std::string> labels, std::vector<bool> selected) {
    labels_ = std::move(labels);
    selected_ = std::move(selected);
    selected_.resize(labels_.size(), false);
    render();
}

Lresult ItemList::handle(Uint message, Wparam wParam, Lparam lParam) {
    const Hwnd window = hwnd_;
    switch (message) {
    case WM_LBUTTONDOWN:
        pressed_ = isWindowEnabled(window);
        return 0;
    case WM_LBUTTONUP: {
        if (!pressed_) return 0;
        pressed_ = false;
        Rect client;
        getClientRect(window, client);
        const int item = itemAt(layout_, static_cast<int>(labels_.size()), client.width(), client.height(),
                                xFromLparam(lParam), yFromLparam(lParam));
        if (item < 0) return 0;
        sendMessage(getParent(window), WM_COMMAND, makeWparam(getDlgCtrlId(window), item + 1),
                    static_cast<Lparam>(window));
        return 0;
    }
    case WM_NCDESTROY:
        setWindowData(window, nullptr);
        hwnd_ = 0;
        return defWindowProc(window, message, wParam, lParam);
    default: return defWindowProc(window, message, wParam, lParam);
    }
}

void ItemList::render() {
    if (!hwnd_) return;
    std::string picture;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        if (i > 0) picture += layout_ == Layout::Rows ? "\n" : " ";
        picture += selected_[i] ? kSelectedMark : kUnselectedMark;
        picture += labels_[i];
    }
    setWindowText(hwnd_, picture);
}

}  // namespace betclient

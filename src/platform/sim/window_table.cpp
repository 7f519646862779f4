#include "platform/sim/window_table.h"

#include <algorithm>

#include "platform/sim/frame_metrics.h"

namespace sim {

WindowTable::WindowTable(int screenWidth, int screenHeight, SimThread* desktopThread)
    : screenWidth_(screenWidth), screenHeight_(screenHeight) {
    auto desk = std::make_unique<Window>();
    desk->hwnd = kFirstHandle;
    desk->className = "#32769";
    desk->style = plat::WS_VISIBLE;
    desk->rect = {0, 0, screenWidth, screenHeight};
    desk->thread = desktopThread;
    windows_.push_back(std::move(desk));
    live_.insert(kFirstHandle);
}

Window* WindowTable::find(plat::Hwnd hwnd) {
    if (hwnd < kFirstHandle || (hwnd - kFirstHandle) % kHandleStep != 0) return nullptr;
    std::size_t index = (hwnd - kFirstHandle) / kHandleStep;
    if (index >= windows_.size() || !windows_[index]->alive) return nullptr;
    return windows_[index].get();
}

Window& WindowTable::add(Window window) {
    window.hwnd = kFirstHandle + windows_.size() * kHandleStep;
    windows_.push_back(std::make_unique<Window>(std::move(window)));
    Window& w = *windows_.back();
    live_.insert(w.hwnd);
    if (Window* owner = find(w.owner)) owner->owned.push_back(w.hwnd);
    Window& parent = *find(w.parent);
    w.topLevel = &parent == &desktop();
    if (w.topLevel) {
        parent.children.insert(parent.children.begin(), w.hwnd);
    } else {
        parent.children.push_back(w.hwnd);
    }
    return w;
}

void WindowTable::kill(Window& window) {
    if (Window* parent = find(window.parent)) std::erase(parent->children, window.hwnd);
    if (Window* owner = find(window.owner)) std::erase(owner->owned, window.hwnd);
    live_.erase(window.hwnd);
    window.alive = false;
    window.children.clear();
    window.owned.clear();
    std::string().swap(window.caption);
    window.proc = nullptr;
    window.data = nullptr;
    window.modalDetails.reset();
}

void WindowTable::bringToTop(Window& window) {
    Window* parent = find(window.parent);
    if (!parent) return;
    std::erase(parent->children, window.hwnd);
    parent->children.insert(parent->children.begin(), window.hwnd);
    if (!window.topLevel) return;
    // Owned windows stay above their owner, in their present order.
    std::vector<Window*> owned = ownedBy(window.hwnd);
    auto zIndex = [&](Window* w) {
        return std::find(parent->children.begin(), parent->children.end(), w->hwnd) - parent->children.begin();
    };
    std::sort(owned.begin(), owned.end(), [&](Window* a, Window* b) { return zIndex(a) > zIndex(b); });
    for (Window* w : owned) bringToTop(*w);
}

Window& WindowTable::topLevelOf(Window& window) {
    Window* w = &window;
    while (!w->topLevel && w != &desktop()) {
        Window* parent = find(w->parent);
        if (!parent) break;
        w = parent;
    }
    return *w;
}

std::vector<Window*> WindowTable::ownedBy(plat::Hwnd owner) {
    std::vector<Window*> owned;
    if (Window* o = find(owner)) {
        for (plat::Hwnd h : o->owned) {
            if (Window* w = find(h)) owned.push_back(w);
        }
    }
    return owned;
}

std::vector<Window*> WindowTable::live() {
    std::vector<Window*> all;
    for (plat::Hwnd h : live_) all.push_back(find(h));
    return all;
}

plat::Rect WindowTable::screenRect(Window& window) {
    Window* parent = find(window.parent);
    if (&window == &desktop() || !parent) return window.rect;
    plat::Point origin = clientOrigin(*parent);
    return {window.rect.left + origin.x, window.rect.top + origin.y, window.rect.right + origin.x,
            window.rect.bottom + origin.y};
}

plat::Point WindowTable::clientOrigin(Window& window) {
    plat::Rect r = screenRect(window);
    if (&window == &desktop()) return {r.left, r.top};
    FrameInsets in = frameInsets(window.style, window.topLevel);
    return {r.left + in.left, r.top + in.top};
}

plat::Rect WindowTable::clientRect(Window& window) {
    if (window.style & plat::WS_MINIMIZE) return {};
    if (&window == &desktop()) return {0, 0, window.rect.width(), window.rect.height()};
    FrameInsets in = frameInsets(window.style, window.topLevel);
    return {0, 0, std::max(0, window.rect.width() - in.left - in.right),
            std::max(0, window.rect.height() - in.top - in.bottom)};
}

plat::Rect WindowTable::iconicSlot(Window& window) {
    // The first free place in the row of minimized windows at the bottom.
    const int w = kFrameMetrics.iconicWidth;
    const int h = kFrameMetrics.iconicHeight;
    for (int slot = 0;; ++slot) {
        plat::Rect r{slot * w, screenHeight_ - h, slot * w + w, screenHeight_};
        bool taken = false;
        for (plat::Hwnd other : desktop().children) {
            Window* o = find(other);
            if (o && o != &window && (o->style & plat::WS_MINIMIZE) && o->rect == r) taken = true;
        }
        if (!taken || r.right > screenWidth_) return r;
    }
}

}  // namespace sim

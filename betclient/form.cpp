#include "betclient/form.h"

#include <algorithm>
#include <array>

#include "betclient/client_app.h"
#include "betclient/controls.h"
#include "platform/clock.h"

namespace betclient {

namespace {

using namespace plat;

constexpr Dword kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

constexpr std::array<std::string_view, kFormKinds> kFormKeys = {
    "login", "menu", "venues", "vote", "confirm", "comm", "result", "info"};

}  // namespace

std::string_view formKey(FormKind kind) { return kFormKeys[static_cast<std::size_t>(kind)]; }

Form::Form(ClientApp& app, const FormDesign& design) : app_(app), design_(design) {}

Form::~Form() {
    if (hwnd_ != 0) {
        setWindowData(hwnd_, nullptr);
        destroyWindow(hwnd_);
    }
}

bool Form::open(Hwnd owner, Scale scale, bool minimized, bool disabled) {
    const Point size = scaledSize(design_.size, scale);
    Rect screen;
    getWindowRect(getDesktopWindow(), screen);
    const int left = std::max(0, (screen.width() - size.x) / 2);
    const int top = std::max(0, (screen.height() - size.y) / 2);

    CreateParams params;
    params.className = kFormClass;
    params.caption = design_.caption;
    params.style = kFormStyle;
    params.rect = {left, top, left + size.x, top + size.y};
    params.owner = owner;
    params.createParam = this;
    if (createWindow(params) == 0 || hwnd_ == 0) return false;

    Rect outer;
    getWindowRect(hwnd_, outer);
    scale_ = measuredScale(design_.size, outer.width(), outer.height());
    Point origin;
    clientToScreen(hwnd_, origin);
    origins_[hwnd_] = {origin.x - outer.left, origin.y - outer.top};
    // The strict client shows the window first and then builds its
    // controls one by one; the ideal one shows it complete.
    const bool showFirst = !app_.timing().ideal();
    if (showFirst) showWindow(hwnd_, minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    build();
    if (!showFirst) showWindow(hwnd_, minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    if (disabled) enableWindow(hwnd_, false);
    setForegroundWindow(hwnd_);
    return true;
}

void Form::close() {
    if (hwnd_ != 0) postMessage(hwnd_, WM_CLOSE, 0, 0);
}

void Form::bringToFront() {
    if (hwnd_ == 0) return;
    if (isIconic(hwnd_)) showWindow(hwnd_, SW_RESTORE);
    setForegroundWindow(hwnd_);
}

Rect Form::placeOf(Hwnd parent, const DesignRect& rect) const {
    const Rect px = scaleRect(rect, scale_);
    const auto found = origins_.find(parent != 0 ? parent : hwnd_);
    const Point o = found != origins_.end() ? found->second : Point{};
    return {px.left - o.x, px.top - o.y, px.right - o.x, px.bottom - o.y};
}

Hwnd Form::addControl(Hwnd parent, const char* className, const std::string& text, Dword style,
                      const DesignRect& rect, int id) {
    // Each control takes its time to appear (the strict client); what is
    // made of it afterwards happens at once.
    if (const std::uint32_t pause = app_.timing().controlPauseMs(); pause > 0) plat::sleep(pause);
    if (parent == 0) parent = hwnd_;
    CreateParams params;
    params.className = className;
    params.caption = text;
    params.style = style | WS_CHILD | WS_VISIBLE;
    params.rect = placeOf(parent, rect);
    params.parent = parent;
    params.id = id;
    const Hwnd control = createWindow(params);
    // Controls have no border: their client area starts at their corner.
    if (control != 0) origins_[control] = {scaleX(rect.left, scale_), scaleY(rect.top, scale_)};
    app_.timing().slowDownInput(control);
    return control;
}

Hwnd Form::addButton(const std::string& caption, const DesignRect& rect, int id, Hwnd parent) {
    return addControl(parent, "Button", caption, BS_PUSHBUTTON | WS_TABSTOP, rect, id);
}

Hwnd Form::addLabel(const std::string& text, const DesignRect& rect, Hwnd parent) {
    return addControl(parent, "Static", text, SS_LEFT, rect);
}

Hwnd Form::addFrame(const std::string& caption, const DesignRect& rect, Hwnd parent) {
    const Hwnd frame = addControl(parent, "Button", caption, BS_GROUPBOX, rect);
    if (frame != 0) passNotificationsUp(frame);
    return frame;
}

Hwnd Form::addOption(const std::string& caption, const DesignRect& rect, int id, Hwnd parent) {
    const Hwnd option = addControl(parent, "Button", caption, BS_AUTORADIOBUTTON | WS_TABSTOP, rect, id);
    if (option != 0) notifyWhenChecked(option);
    return option;
}

Hwnd Form::addCombo(const DesignRect& rect, int id, Hwnd parent) {
    return addControl(parent, "ComboBox", "", CBS_DROPDOWNLIST | WS_TABSTOP, rect, id);
}

void Form::moveControl(Hwnd control, const DesignRect& rect) {
    const Hwnd parent = getParent(control);
    moveWindow(control, placeOf(parent, rect));
    origins_[control] = {scaleX(rect.left, scale_), scaleY(rect.top, scale_)};
}

void Form::setChecked(Hwnd option, bool checked) {
    const bool wasQuiet = quiet_;
    quiet_ = true;
    sendMessage(option, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    quiet_ = wasQuiet;
}

Lresult Form::windowProc(Hwnd window, Uint message, Wparam wParam, Lparam lParam) {
    auto* form = static_cast<Form*>(getWindowData(window));
    if (form == nullptr && message == WM_CREATE && lParam != 0) {
        form = reinterpret_cast<Form*>(lParam);
        form->hwnd_ = window;
        setWindowData(window, form);
    }
    if (form == nullptr) return defWindowProc(window, message, wParam, lParam);
    return form->dispatch(message, wParam, lParam);
}

Lresult Form::dispatch(Uint message, Wparam wParam, Lparam lParam) {
    // Also when the thread unwinds out of a box the handler runs (the
    // desktop ending): the form goes once nothing of it runs any more.
    struct Depth {
        Form& form;
        explicit Depth(Form& f) : form(f) { ++form.depth_; }
        ~Depth() {
            if (--form.depth_ == 0 && form.windowGone_) delete &form;
        }
    } depth(*this);
    return handle(message, wParam, lParam);
}

Lresult Form::handle(Uint message, Wparam wParam, Lparam lParam) {
    const Hwnd window = hwnd_;
    switch (message) {
    case WM_COMMAND:
        if (quiet_) return 0;
        // Refused while a box is up, and on a disabled form (as input is).
        if (app_.busyWithBox() || !isWindowEnabled(window)) {
            quiet_ = true;
            refresh();
            quiet_ = false;
            return 0;
        }
        onCommand(loWord(wParam), hiWord(wParam), static_cast<Hwnd>(lParam));
        return 0;
    case WM_TIMER:
        onTimer(static_cast<Uint>(wParam));
        return 0;
    case WM_CLOSE:
        if (mayClose()) destroyWindow(window);
        return 0;
    case WM_NCDESTROY:
        windowGone_ = true;
        hwnd_ = 0;
        origins_.clear();
        setWindowData(window, nullptr);
        app_.formGone(*this);
        return defWindowProc(window, message, wParam, lParam);
    default: return defWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace betclient

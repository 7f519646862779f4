#include "frontends/tui/input_router.h"

#include "frontends/tui/layout.h"
#include "platform/dialog.h"
#include "platform/sim/dialogs/dialog_window.h"
#include "platform/sim/user_input.h"
#include "platform/sjis.h"
#include "platform/window.h"

namespace tui {

namespace {

constexpr int kWheelLines = 3;
constexpr char kCtrlC = 0x03;
constexpr char kCtrlV = 0x16;
constexpr char kCtrlX = 0x18;

const Placement* placementOf(const Frame& frame, plat::Hwnd top) {
    for (const Placement& p : frame.placements) {
        if (p.window == top) return &p;
    }
    return nullptr;
}

// Pasted lines end in CR LF, as the program's text does.
std::string pastedText(const std::string& utf8) {
    std::string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' || utf8[i] == '\n') {
            if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
            text += "\r\n";
        } else {
            text += utf8[i];
        }
    }
    return sjis::fromUtf8(text);
}

}  // namespace

InputRouter::InputRouter(sim::Desktop& desktop, Screen& screen, std::string ornelProgram)
    : desktop_(desktop), screen_(screen), ornel_(std::move(ornelProgram)) {}

void InputRouter::noteFocus() {
    const plat::Hwnd focus = plat::getFocus();
    const plat::Hwnd top = sim::topLevelWindow(focus);
    if (focus != 0 && focus != top && desktop_.programOf(top) == ornel_) lastFocus_[top] = focus;
    std::erase_if(lastFocus_, [](const auto& entry) { return !plat::isWindow(entry.first); });
}

plat::Hwnd InputRouter::keyTarget() {
    const plat::Hwnd top = screen_.keyboardWindow();
    if (top == 0) return 0;
    const plat::Hwnd focus = plat::getFocus();
    if (focus != 0 && sim::topLevelWindow(focus) == top) return focus;
    // The person comes back to the window: its control gets the focus again.
    const auto remembered = lastFocus_.find(top);
    if (remembered != lastFocus_.end() && plat::isWindow(remembered->second) &&
        sim::topLevelWindow(remembered->second) == top && plat::isWindowVisible(remembered->second) &&
        plat::isWindowEnabled(remembered->second)) {
        plat::setFocus(remembered->second);
        return remembered->second;
    }
    return top;
}

bool InputRouter::takesInput(plat::Hwnd window) const {
    const plat::Hwnd top = screen_.keyboardWindow();
    return window != 0 && top != 0 && sim::topLevelWindow(window) == top;
}

void InputRouter::handle(const InputEvent& event, const Frame& frame) {
    if (menuInput(event, frame) || minimizedInput(event)) return;
    switch (event.kind) {
    case InputEvent::Kind::Text: {
        const plat::Hwnd target = keyTarget();
        if (target != 0) sim::typeChars(target, sjis::fromUtf8(event.text));
        break;
    }
    case InputEvent::Kind::AltChar: {
        const plat::Hwnd target = keyTarget();
        if (target != 0 && !event.text.empty()) sim::typeAltChar(target, event.text[0]);
        break;
    }
    case InputEvent::Kind::Paste: {
        const plat::Hwnd target = keyTarget();
        if (target == 0) break;
        plat::setClipboardText(pastedText(event.text));
        sim::typeChars(target, std::string(1, kCtrlV));
        break;
    }
    case InputEvent::Kind::Key: key(event.key, frame); break;
    case InputEvent::Kind::Mouse: mouse(event, frame); break;
    case InputEvent::Kind::Resize: break;
    }
}

void InputRouter::key(Key k, const Frame& frame) {
    if (k == Key::Close) {
        const plat::Hwnd top = screen_.keyboardWindow();
        if (top != 0) plat::postMessage(top, plat::WM_SYSCOMMAND, plat::SC_CLOSE, 0);
        return;
    }
    if (k == Key::ContextMenu) {
        rightClickMainWindow(frame);
        return;
    }
    if (k == Key::SystemMenu) {
        const plat::Hwnd top = screen_.keyboardWindow();
        if (top != 0) plat::postMessage(top, plat::WM_SYSCOMMAND, sim::SC_KEYMENU, ' ');
        return;
    }
    const plat::Hwnd target = keyTarget();
    if (target == 0) return;
    switch (k) {
    case Key::Enter: sim::pressKey(target, plat::VK_RETURN); break;
    case Key::Tab: sim::pressKey(target, sim::VK_TAB); break;
    case Key::BackTab: sim::pressKey(target, sim::VK_TAB, true); break;
    case Key::Backspace: sim::pressKey(target, plat::VK_BACK); break;
    case Key::Escape: sim::pressKey(target, plat::VK_ESCAPE); break;
    case Key::Space: sim::pressKey(target, sim::VK_SPACE); break;
    case Key::Left: sim::pressKey(target, plat::VK_LEFT); break;
    case Key::Right: sim::pressKey(target, plat::VK_RIGHT); break;
    case Key::Up: sim::pressKey(target, plat::VK_UP); break;
    case Key::Down: sim::pressKey(target, plat::VK_DOWN); break;
    case Key::Home: sim::pressKey(target, sim::VK_HOME); break;
    case Key::End: sim::pressKey(target, sim::VK_END); break;
    case Key::Delete: sim::pressKey(target, sim::VK_DELETE); break;
    case Key::Paste: sim::typeChars(target, std::string(1, kCtrlV)); break;
    case Key::Copy: sim::typeChars(target, std::string(1, kCtrlC)); break;
    case Key::Cut: sim::typeChars(target, std::string(1, kCtrlX)); break;
    default: break;
    }
}

bool InputRouter::pointAt(plat::Hwnd window, int row, int col, const Frame& frame, plat::Point& point) const {
    const Placement* p = placementOf(frame, sim::topLevelWindow(window));
    if (p == nullptr) return false;
    const plat::Point inTop = pixelOfCell(row - p->clientRow, col - p->clientCol);
    const plat::Point topOrigin = clientOrigin(p->window);
    point = {topOrigin.x + inTop.x, topOrigin.y + inTop.y};
    return plat::screenToClient(window, point);
}

void InputRouter::placeCaret(plat::Hwnd edit, int row, int col, const Frame& frame) {
    const Placement* p = placementOf(frame, sim::topLevelWindow(edit));
    const EditScroll* scroll = screen_.scrolls().find(edit);
    if (p == nullptr || scroll == nullptr) return;
    const ControlState c = readControl(edit, p->window);
    CellRect cells = cellsOf(c.rect, takesRows(c));
    cells = {cells.left + p->clientCol, cells.top + p->clientRow, cells.right + p->clientCol,
             cells.bottom + p->clientRow};
    const CellRect inner = editTextCells(c, cells);
    if (!inner.contains(row, col)) return;
    const std::vector<EditLine> lines = editLines(c.text, (c.style & plat::ES_MULTILINE) != 0);
    const std::size_t index =
        std::min(static_cast<std::size_t>(scroll->firstLine + row - inner.top), lines.size() - 1);
    const EditLine& line = lines[index];
    const std::size_t at = line.start + byteOfColumn(line.bytes, scroll->firstColumn + col - inner.left);
    plat::postMessage(edit, plat::EM_SETSEL, at, static_cast<plat::Lparam>(at));
}

void InputRouter::mouse(const InputEvent& event, const Frame& frame) {
    const plat::Hwnd window = frame.canvas.windowAt(event.row, event.col);
    plat::Point point;
    switch (event.mouse) {
    case MouseAction::WheelUp:
    case MouseAction::WheelDown:
        if (window != 0 && kindOf(plat::getClassName(window), plat::getStyle(window)) == ControlKind::Edit)
            screen_.scrolls().scroll(window, event.mouse == MouseAction::WheelUp ? -kWheelLines : kWheelLines);
        return;
    case MouseAction::LeftDown:
        pressed_ = 0;
        if (!takesInput(window) || !pointAt(window, event.row, event.col, frame, point)) return;
        pressed_ = window;
        plat::postMessage(window, plat::WM_MOUSEMOVE, 0, plat::makeLparam(point.x, point.y));
        plat::postMessage(window, plat::WM_LBUTTONDOWN, plat::MK_LBUTTON, plat::makeLparam(point.x, point.y));
        if (kindOf(plat::getClassName(window), plat::getStyle(window)) == ControlKind::Edit)
            placeCaret(window, event.row, event.col, frame);
        return;
    case MouseAction::LeftUp: {
        const plat::Hwnd target = pressed_;
        pressed_ = 0;
        if (target == 0 || !plat::isWindow(target) || !pointAt(target, event.row, event.col, frame, point)) return;
        plat::postMessage(target, plat::WM_LBUTTONUP, 0, plat::makeLparam(point.x, point.y));
        return;
    }
    case MouseAction::RightDown:
    case MouseAction::RightUp: {
        if (!takesInput(window) || !pointAt(window, event.row, event.col, frame, point)) return;
        const bool down = event.mouse == MouseAction::RightDown;
        plat::postMessage(window, down ? plat::WM_RBUTTONDOWN : plat::WM_RBUTTONUP, down ? sim::kRightButtonDown : 0,
                          plat::makeLparam(point.x, point.y));
        return;
    }
    }
}

bool InputRouter::minimizedInput(const InputEvent& event) {
    const plat::Hwnd top = screen_.keyboardWindow();
    if (top == 0 || !plat::isIconic(top)) return false;
    const bool restore = (event.kind == InputEvent::Kind::Key && (event.key == Key::Enter || event.key == Key::Space)) ||
                         (event.kind == InputEvent::Kind::Mouse && event.mouse == MouseAction::LeftUp &&
                          event.row == 0);
    const bool menu = event.kind == InputEvent::Kind::Key && event.key == Key::SystemMenu;
    const bool close = event.kind == InputEvent::Kind::Key && event.key == Key::Close;
    if (restore) plat::postMessage(top, plat::WM_SYSCOMMAND, plat::SC_RESTORE, 0);
    if (menu) plat::postMessage(top, plat::WM_SYSCOMMAND, sim::SC_KEYMENU, ' ');
    if (close) plat::postMessage(top, plat::WM_SYSCOMMAND, plat::SC_CLOSE, 0);
    return true;
}

void InputRouter::chooseFromMenu(plat::Hwnd menu, const MenuEntry& entry) {
    if (entry.choosable()) plat::postMessage(menu, plat::WM_COMMAND, plat::makeWparam(entry.id, 0), 0);
}

bool InputRouter::menuInput(const InputEvent& event, const Frame& frame) {
    const plat::Hwnd menu = screen_.keyboardWindow();
    const std::vector<MenuEntry> entries = screen_.menuOf(menu);
    if (entries.empty()) return false;
    MenuSelections& selections = screen_.menus();
    const auto leave = [menu] { plat::postMessage(menu, plat::WM_KEYDOWN, plat::VK_ESCAPE, 0); };
    switch (event.kind) {
    case InputEvent::Kind::Key:
        switch (event.key) {
        case Key::Up: selections.move(menu, entries, -1); break;
        case Key::Down: selections.move(menu, entries, +1); break;
        case Key::Enter:
        case Key::Space: {
            const int at = selections.selected(menu, entries);
            if (at >= 0) chooseFromMenu(menu, entries[static_cast<std::size_t>(at)]);
            break;
        }
        case Key::Escape:
        case Key::ContextMenu:
        case Key::SystemMenu:
        case Key::Close: leave(); break;
        default: break;
        }
        return true;
    case InputEvent::Kind::Text:
    case InputEvent::Kind::AltChar:
        // A letter chooses the entry it is the mnemonic of.
        for (const MenuEntry& e : entries) {
            const char typed = event.text.empty() ? 0 : event.text[0];
            const char upper = typed >= 'a' && typed <= 'z' ? static_cast<char>(typed - 'a' + 'A') : typed;
            if (e.mnemonic != 0 && e.mnemonic == upper) {
                chooseFromMenu(menu, e);
                break;
            }
        }
        return true;
    case InputEvent::Kind::Mouse: {
        if (event.mouse != MouseAction::LeftUp && event.mouse != MouseAction::LeftDown &&
            event.mouse != MouseAction::RightUp)
            return true;
        for (const MenuPlacement& m : frame.menus) {
            if (m.window != menu) continue;
            const int index = event.row - m.cells.top - 1;
            const bool onEntry = m.cells.contains(event.row, event.col) && index >= 0 &&
                                 index < static_cast<int>(m.entries.size());
            if (!onEntry) {
                // A click elsewhere closes the menu; the button's release does not.
                if (event.mouse == MouseAction::LeftDown) plat::postMessage(menu, plat::WM_CANCELMODE, 0, 0);
            } else if (event.mouse != MouseAction::LeftDown) {
                chooseFromMenu(menu, m.entries[static_cast<std::size_t>(index)]);
            } else {
                selections.select(menu, index);
            }
        }
        return true;
    }
    default: return true;
    }
}

// F2: a right click on the main window itself, at the first of its cells
// that no control covers.
void InputRouter::rightClickMainWindow(const Frame& frame) {
    const plat::Hwnd main = frame.mainWindow;
    const Placement* p = placementOf(frame, main);
    if (main == 0 || p == nullptr || screen_.keyboardWindow() != main) return;
    for (int row = p->clientRow; row < p->cells.bottom; ++row) {
        for (int col = p->clientCol; col < p->cells.right; ++col) {
            plat::Point point;
            if (frame.canvas.windowAt(row, col) != main || !pointAt(main, row, col, frame, point)) continue;
            sim::click(main, point, sim::MouseButton::Right);
            return;
        }
    }
}

}  // namespace tui

#include "frontends/tui/terminal.h"

#define NCURSES_WIDECHAR 1
#include <ncurses.h>
#include <unistd.h>

#include <array>
#include <cstdio>

namespace tui {

namespace {

// Key codes ncurses gives the bracketed-paste markers once they are defined.
constexpr int kPasteBegin = KEY_MAX + 1;
constexpr int kPasteEnd = KEY_MAX + 2;
constexpr const char* kBracketedPasteOn = "\033[?2004h";
constexpr const char* kBracketedPasteOff = "\033[?2004l";
constexpr int kEscapeDelayMs = 25;

constexpr int kStyles = static_cast<int>(Style::DisabledMenuItem) + 1;
constexpr short kBrightWhite = 15;

struct Look {
    short foreground;
    short background;
    attr_t attributes;
};

// In colours: the grey dialog with black text, navy caption bars and
// selections, white fields (cyan where only eight colours exist).
Look colourLook(Style style, bool manyColours) {
    const short field = manyColours ? kBrightWhite : COLOR_CYAN;
    switch (style) {
    case Style::Normal: return {-1, -1, A_NORMAL};
    case Style::Window:
    case Style::Frame: return {COLOR_BLACK, COLOR_WHITE, A_NORMAL};
    case Style::Caption: return {COLOR_WHITE, COLOR_BLACK, A_NORMAL};
    case Style::ActiveCaption: return {COLOR_WHITE, COLOR_BLUE, A_BOLD};
    case Style::Field: return {COLOR_BLACK, field, A_NORMAL};
    case Style::DisabledField: return {COLOR_BLACK, COLOR_WHITE, A_DIM};
    case Style::Selection: return {COLOR_WHITE, COLOR_BLUE, A_NORMAL};
    case Style::Button: return {COLOR_BLACK, COLOR_CYAN, A_NORMAL};
    case Style::FocusButton: return {COLOR_WHITE, COLOR_BLUE, A_BOLD};
    case Style::DisabledButton: return {COLOR_BLACK, COLOR_CYAN, A_DIM};
    case Style::Disabled: return {COLOR_BLACK, COLOR_WHITE, A_DIM};
    case Style::Focus: return {COLOR_BLUE, COLOR_WHITE, A_BOLD | A_UNDERLINE};
    case Style::Busy: return {COLOR_BLACK, COLOR_YELLOW, A_BOLD};
    case Style::StatusLine: return {COLOR_WHITE, COLOR_BLUE, A_NORMAL};
    case Style::MenuItem: return {COLOR_BLACK, COLOR_WHITE, A_NORMAL};
    case Style::MenuSelected: return {COLOR_WHITE, COLOR_BLUE, A_NORMAL};
    case Style::DisabledMenuItem: return {COLOR_BLACK, COLOR_WHITE, A_DIM};
    }
    return {-1, -1, A_NORMAL};
}

// Without colours: reverse video for bars, buttons and selections,
// underlines for fields, dim for what is disabled.
attr_t plainAttributes(Style style) {
    switch (style) {
    case Style::Caption: return A_REVERSE;
    case Style::ActiveCaption: return A_REVERSE | A_BOLD;
    case Style::Field: return A_UNDERLINE;
    case Style::DisabledField:
    case Style::Disabled:
    case Style::DisabledMenuItem: return A_DIM;
    case Style::Selection:
    case Style::Button:
    case Style::StatusLine:
    case Style::MenuSelected: return A_REVERSE;
    case Style::FocusButton: return A_REVERSE | A_BOLD | A_UNDERLINE;
    case Style::DisabledButton: return A_REVERSE | A_DIM;
    case Style::Focus: return A_BOLD | A_UNDERLINE;
    case Style::Busy: return A_BOLD | A_REVERSE;
    default: return A_NORMAL;
    }
}

std::array<attr_t, kStyles> attributes{};
std::array<short, kStyles> pairs{};

void setUpLooks(bool colours) {
    const bool many = colours && COLORS >= 16;
    for (int i = 0; i < kStyles; ++i) {
        const auto style = static_cast<Style>(i);
        if (!colours) {
            attributes[static_cast<std::size_t>(i)] = plainAttributes(style);
            continue;
        }
        const Look look = colourLook(style, many);
        init_pair(static_cast<short>(i + 1), look.foreground, look.background);
        pairs[static_cast<std::size_t>(i)] = static_cast<short>(i + 1);
        attributes[static_cast<std::size_t>(i)] = look.attributes;
    }
}

void appendUtf8(std::string& out, wchar_t c) { out += utf8Of(static_cast<char32_t>(c)); }

InputEvent keyEvent(Key key) {
    InputEvent e;
    e.kind = InputEvent::Kind::Key;
    e.key = key;
    return e;
}

void addText(std::vector<InputEvent>& events, wchar_t c) {
    if (events.empty() || events.back().kind != InputEvent::Kind::Text) events.push_back({});
    appendUtf8(events.back().text, c);
}

}  // namespace

Terminal::~Terminal() { close(); }

bool Terminal::available() { return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO); }

bool Terminal::open() {
    if (!available()) return false;
    if (initscr() == nullptr) return false;
    open_ = true;
    raw();  // Ctrl+Q, Ctrl+V and Ctrl+C reach the program
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    nodelay(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON3_PRESSED | BUTTON3_RELEASED | BUTTON4_PRESSED |
                  BUTTON5_PRESSED,
              nullptr);
    mouseinterval(0);
    define_key("\033[200~", kPasteBegin);
    define_key("\033[201~", kPasteEnd);
    colours_ = has_colors();
    if (colours_) {
        start_color();
        use_default_colors();
    }
    setUpLooks(colours_);
    std::fputs(kBracketedPasteOn, stdout);
    std::fflush(stdout);
    return true;
}

void Terminal::close() {
    if (!open_) return;
    open_ = false;
    std::fputs(kBracketedPasteOff, stdout);
    std::fflush(stdout);
    endwin();
}

int Terminal::width() const { return COLS; }
int Terminal::height() const { return LINES; }

void Terminal::draw(const Canvas& canvas) {
    for (int r = 0; r < canvas.height() && r < LINES; ++r) {
        for (int c = 0; c < canvas.width() && c < COLS; ++c) {
            const Cell& cell = canvas.at(r, c);
            if (cell.continuation) continue;
            const auto s = static_cast<std::size_t>(cell.style);
            const wchar_t text[2] = {static_cast<wchar_t>(cell.code), L'\0'};
            cchar_t ch;
            setcchar(&ch, text, attributes[s], pairs[s], nullptr);
            mvadd_wch(r, c, &ch);
        }
    }
    if (canvas.cursorVisible()) {
        move(canvas.cursorRow(), canvas.cursorCol());
        curs_set(1);
    } else {
        curs_set(0);
    }
    refresh();
}

void Terminal::beep() { ::beep(); }

std::vector<InputEvent> Terminal::readInput() {
    std::vector<InputEvent> events;
    for (;;) {
        wint_t code = 0;
        const int result = get_wch(&code);
        if (result == ERR) break;
        decode(result, code, events);
    }
    return events;
}

void Terminal::decode(int result, unsigned int code, std::vector<InputEvent>& events) {
    if (result == KEY_CODE_YES && static_cast<int>(code) == kPasteBegin) {
        inPaste_ = true;
        paste_.clear();
        return;
    }
    if (result == KEY_CODE_YES && static_cast<int>(code) == kPasteEnd) {
        inPaste_ = false;
        InputEvent e;
        e.kind = InputEvent::Kind::Paste;
        e.text = paste_;
        events.push_back(e);
        return;
    }
    if (inPaste_) {
        if (result == OK) appendUtf8(paste_, static_cast<wchar_t>(code));
        if (result == KEY_CODE_YES && code == KEY_ENTER) paste_ += '\r';
        return;
    }
    if (result == KEY_CODE_YES) {
        switch (code) {
        case KEY_RESIZE: {
            InputEvent e;
            e.kind = InputEvent::Kind::Resize;
            events.push_back(e);
            return;
        }
        case KEY_MOUSE: {
            MEVENT m;
            if (getmouse(&m) != OK) return;
            InputEvent e;
            e.kind = InputEvent::Kind::Mouse;
            e.row = m.y;
            e.col = m.x;
            if (m.bstate & BUTTON1_PRESSED) e.mouse = MouseAction::LeftDown;
            else if (m.bstate & BUTTON1_RELEASED) e.mouse = MouseAction::LeftUp;
            else if (m.bstate & BUTTON3_PRESSED) e.mouse = MouseAction::RightDown;
            else if (m.bstate & BUTTON3_RELEASED) e.mouse = MouseAction::RightUp;
            else if (m.bstate & BUTTON4_PRESSED) e.mouse = MouseAction::WheelUp;
            else if (m.bstate & BUTTON5_PRESSED) e.mouse = MouseAction::WheelDown;
            else return;
            events.push_back(e);
            return;
        }
        case KEY_ENTER: events.push_back(keyEvent(Key::Enter)); return;
        case KEY_BTAB: events.push_back(keyEvent(Key::BackTab)); return;
        case KEY_BACKSPACE: events.push_back(keyEvent(Key::Backspace)); return;
        case KEY_LEFT: events.push_back(keyEvent(Key::Left)); return;
        case KEY_RIGHT: events.push_back(keyEvent(Key::Right)); return;
        case KEY_UP: events.push_back(keyEvent(Key::Up)); return;
        case KEY_DOWN: events.push_back(keyEvent(Key::Down)); return;
        case KEY_HOME: events.push_back(keyEvent(Key::Home)); return;
        case KEY_END: events.push_back(keyEvent(Key::End)); return;
        case KEY_DC: events.push_back(keyEvent(Key::Delete)); return;
        default: break;
        }
        if (code == static_cast<unsigned int>(KEY_F(2))) events.push_back(keyEvent(Key::ContextMenu));
        if (code == static_cast<unsigned int>(KEY_F(10))) events.push_back(keyEvent(Key::SystemMenu));
        return;
    }
    switch (code) {
    case '\r':
    case '\n': events.push_back(keyEvent(Key::Enter)); return;
    case '\t': events.push_back(keyEvent(Key::Tab)); return;
    case 0x7F:
    case 0x08: events.push_back(keyEvent(Key::Backspace)); return;
    case ' ': events.push_back(keyEvent(Key::Space)); return;
    case 0x11: events.push_back(keyEvent(Key::Close)); return;
    case 0x16: events.push_back(keyEvent(Key::Paste)); return;
    case 0x03: events.push_back(keyEvent(Key::Copy)); return;
    case 0x18: events.push_back(keyEvent(Key::Cut)); return;
    case 0x1B: {
        // Escape alone, or Alt with the key that follows at once.
        wint_t next = 0;
        const int nextResult = get_wch(&next);
        if (nextResult == OK && next > 0x20 && next < 0x7F) {
            InputEvent e;
            e.kind = InputEvent::Kind::AltChar;
            e.text = std::string(1, static_cast<char>(next));
            events.push_back(e);
            return;
        }
        events.push_back(keyEvent(Key::Escape));
        if (nextResult != ERR) decode(nextResult, next, events);
        return;
    }
    default: break;
    }
    if (code >= 0x20) addText(events, static_cast<wchar_t>(code));
}

}  // namespace tui

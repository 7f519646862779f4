// The terminal, through ncurses: a canvas drawn in colours where the
// terminal has them (plain attributes otherwise), the cursor at the caret,
// and the keys, mouse clicks, bracketed pastes and resizes the person makes.
#pragma once

#include <vector>

#include "frontends/tui/canvas.h"
#include "frontends/tui/terminal_input.h"

namespace tui {

class Terminal {
public:
    Terminal() = default;
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    // Whether standard input and output are a terminal.
    static bool available();
    // Takes over the terminal; false when it is not available or cannot be
    // used.
    bool open();
    void close();

    int width() const;
    int height() const;

    void draw(const Canvas& canvas);
    void beep();

    // Everything the person has done since the last call (never waits).
    std::vector<InputEvent> readInput();

private:
    void decode(int result, unsigned int code, std::vector<InputEvent>& events);
    bool open_ = false;
    bool colours_ = false;
    bool inPaste_ = false;
    std::string paste_;
};

}  // namespace tui

// What the person does at the terminal, as the front end passes it on.
#pragma once

#include <string>

namespace tui {

enum class Key {
    Enter, Tab, BackTab, Backspace, Escape, Space,
    Left, Right, Up, Down, Home, End, Delete,
    ContextMenu,   // F2: the window's context menu
    SystemMenu,    // F10: the window's system menu
    Close,         // Ctrl+Q: a close request
    Paste,         // Ctrl+V
    Copy,          // Ctrl+C
    Cut,           // Ctrl+X
};

enum class MouseAction { LeftDown, LeftUp, RightDown, RightUp, WheelUp, WheelDown };

struct InputEvent {
    enum class Kind { Text, Key, AltChar, Mouse, Paste, Resize };
    Kind kind = Kind::Text;
    std::string text;   // Text, Paste: UTF-8; AltChar: the character
    Key key = Key::Enter;
    MouseAction mouse = MouseAction::LeftDown;
    int row = 0;
    int col = 0;
};

}  // namespace tui

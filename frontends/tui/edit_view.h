// How an edit control's text is laid out in its cells: lines, the columns
// of each byte (tabs every eight columns), and the part of the text in view.
// The desktop's edits keep no scroll position; the terminal keeps one per
// edit, following the caret when it moves, as the edit would scroll itself.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace tui {

constexpr int kTabColumns = 8;

struct EditLine {
    std::size_t start = 0;  // byte offset of the line in the text
    std::string bytes;      // without its line break
};

// Lines of an edit's text: a multi-line edit breaks at CR LF only.
std::vector<EditLine> editLines(const std::string& text, bool multiline);

// The column of a byte offset within a line (tabs expanded).
int columnOfByte(const std::string& line, std::size_t offset);
// The byte offset of a column within a line (the character it falls on, or
// the line's end).
std::size_t byteOfColumn(const std::string& line, int column);

// The part of an edit in view.
struct EditScroll {
    int firstLine = 0;
    int firstColumn = 0;
    std::size_t caret = static_cast<std::size_t>(-1);  // as last drawn
    std::size_t size = static_cast<std::size_t>(-1);
};

// Scroll positions by edit window, kept from frame to frame.
class EditScrolls {
public:
    // The scroll of an edit of `lines` lines shown in rows x columns, with the
    // caret at (caretLine, caretColumn): moved so that the caret is in view
    // when it moved since the last frame, and kept within the text.
    EditScroll& follow(plat::Hwnd edit, int lines, int rows, int columns, int caretLine, int caretColumn,
                       std::size_t caret, std::size_t size);
    // The user scrolls (the mouse wheel): by `lines`, kept within the text.
    void scroll(plat::Hwnd edit, int lines);
    const EditScroll* find(plat::Hwnd edit) const;
    // Forgets edits that are gone.
    void forgetGone();

private:
    std::map<plat::Hwnd, EditScroll> scrolls_;
    std::map<plat::Hwnd, int> maxFirstLine_;
};

}  // namespace tui

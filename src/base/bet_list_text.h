// The bet list as line-oriented text: the text of the main window's list
// edit, or a stand-in.  Lines are separated by CR LF; an empty text is one
// empty line.
#pragma once

#include <cstddef>

namespace base {

class BetListText {
public:
    virtual ~BetListText() = default;
    virtual int lineCount() = 0;
    // Copies line `index` without its line break into buffer as a
    // NUL-terminated text of at most size - 1 bytes; returns its length.
    virtual std::size_t readLine(int index, char* buffer, std::size_t size) = 0;
    // Removes the whole text.
    virtual void clear() = 0;
    // Adds NUL-terminated text at the end.
    virtual void append(const char* text) = 0;
    // Puts the caret at the end of the text and scrolls it into view.
    virtual void showEnd() = 0;
};

}  // namespace base

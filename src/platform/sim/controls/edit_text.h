// The text of an edit control with its selection and line structure.
//
// Positions are byte offsets into the Shift-JIS text, as ANSI edit controls
// count them.  In a multi-line text only CR LF ends a line (there is no word
// wrap), so a text ending in CR LF has an empty last line, and an empty text
// has one line.  A single-line text is one line whatever it holds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace sim::controls {

class EditText {
public:
    explicit EditText(bool multiline = false) : multiline_(multiline) { indexLines(); }

    bool multiline() const { return multiline_; }
    const std::string& text() const { return text_; }
    std::size_t size() const { return text_.size(); }
    // Replaces the whole text; the caret goes to the start.
    void setText(std::string text);

    // The selection runs between the anchor and the caret (either order).
    std::size_t caret() const { return caret_; }
    std::size_t selectionStart() const { return std::min(anchor_, caret_); }
    std::size_t selectionEnd() const { return std::max(anchor_, caret_); }
    bool hasSelection() const { return anchor_ != caret_; }
    std::string selectedText() const;
    // Positions beyond the end are clamped to it.
    void select(std::size_t anchor, std::size_t caret);
    void moveCaret(std::size_t position) { select(position, position); }
    // Replaces the selection; the caret ends after the inserted text.
    void replaceSelection(const std::string& replacement);

    std::size_t lineCount() const { return lineStarts_.size(); }
    // For line < lineCount(): where it starts and how many bytes it holds
    // (its CR LF not counted).
    std::size_t lineStart(std::size_t line) const { return lineStarts_[line]; }
    std::size_t lineLength(std::size_t line) const;
    std::string lineText(std::size_t line) const;
    // The line holding a position (positions beyond the end: the last line).
    std::size_t lineFromPosition(std::size_t position) const;

    // Character steps: a double-byte character and a CR LF line end each
    // count as one character.
    std::size_t previousCharacter(std::size_t position) const;
    std::size_t nextCharacter(std::size_t position) const;
    // The same column on another line (clamped to its length, never inside a
    // double-byte character).
    std::size_t positionOnLine(std::size_t line, std::size_t column) const;

private:
    void indexLines();
    std::size_t characterStartAtOrBefore(std::size_t position) const;
    bool lineBreakAt(std::size_t position) const;

    bool multiline_;
    std::string text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::vector<std::size_t> lineStarts_;
};

}  // namespace sim::controls

#include "platform/sim/controls/edit_text.h"

#include <algorithm>

#include "platform/sjis.h"

namespace sim::controls {

void EditText::setText(std::string text) {
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    indexLines();
}

std::string EditText::selectedText() const {
    return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void EditText::select(std::size_t anchor, std::size_t caret) {
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
}

void EditText::replaceSelection(const std::string& replacement) {
    const std::size_t start = selectionStart();
    text_.replace(start, selectionEnd() - start, replacement);
    anchor_ = caret_ = start + replacement.size();
    indexLines();
}

bool EditText::lineBreakAt(std::size_t position) const {
    return multiline_ && position + 1 < text_.size() && text_[position] == '\r' &&
           text_[position + 1] == '\n';
}

void EditText::indexLines() {
    lineStarts_.assign(1, 0);
    if (!multiline_) return;
    for (std::size_t i = 0; i + 1 < text_.size(); ++i) {
        if (lineBreakAt(i)) {
            lineStarts_.push_back(i + 2);
            ++i;
        }
    }
}

std::size_t EditText::lineLength(std::size_t line) const {
    const std::size_t end =
        line + 1 < lineStarts_.size() ? lineStarts_[line + 1] - 2 : text_.size();
    return end - lineStarts_[line];
}

std::string EditText::lineText(std::size_t line) const {
    return text_.substr(lineStart(line), lineLength(line));
}

std::size_t EditText::lineFromPosition(std::size_t position) const {
    // The last line whose start is at or before the position.
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
    return static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
}

// Walks the characters of the position's line from its start, so a trail
// byte that looks like a lead byte is never mistaken for one.
std::size_t EditText::characterStartAtOrBefore(std::size_t position) const {
    position = std::min(position, text_.size());
    std::size_t at = lineStart(lineFromPosition(position));
    while (at < position) {
        const std::size_t next =
            sjis::isLeadByte(static_cast<unsigned char>(text_[at])) && at + 1 < text_.size()
                ? at + 2
                : at + 1;
        if (next > position) break;
        at = next;
    }
    return at;
}

std::size_t EditText::previousCharacter(std::size_t position) const {
    position = std::min(position, text_.size());
    if (position == 0) return 0;
    if (position >= 2 && lineBreakAt(position - 2)) return position - 2;
    return characterStartAtOrBefore(position - 1);
}

std::size_t EditText::nextCharacter(std::size_t position) const {
    if (position >= text_.size()) return text_.size();
    if (lineBreakAt(position)) return position + 2;
    if (sjis::isLeadByte(static_cast<unsigned char>(text_[position])) &&
        position + 1 < text_.size()) {
        return position + 2;
    }
    return position + 1;
}

std::size_t EditText::positionOnLine(std::size_t line, std::size_t column) const {
    line = std::min(line, lineCount() - 1);
    return characterStartAtOrBefore(lineStart(line) + std::min(column, lineLength(line)));
}

}  // namespace sim::controls

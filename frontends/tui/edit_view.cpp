#include "frontends/tui/edit_view.h"

#include <algorithm>

#include "platform/sjis.h"
#include "platform/window.h"

namespace tui {

namespace {

std::size_t charBytes(const std::string& s, std::size_t i) {
    return sjis::isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

int nextColumn(const std::string& s, std::size_t i, int column) {
    if (s[i] == '\t') return (column / kTabColumns + 1) * kTabColumns;
    return column + static_cast<int>(charBytes(s, i));
}

}  // namespace

std::vector<EditLine> editLines(const std::string& text, bool multiline) {
    std::vector<EditLine> lines;
    if (!multiline) {
        lines.push_back({0, text});
        return lines;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back({start, text.substr(start)});
            return lines;
        }
        lines.push_back({start, text.substr(start, end - start)});
        start = end + 2;
    }
}

int columnOfByte(const std::string& line, std::size_t offset) {
    int column = 0;
    for (std::size_t i = 0; i < line.size() && i < offset; i += charBytes(line, i)) column = nextColumn(line, i, column);
    return column;
}

std::size_t byteOfColumn(const std::string& line, int column) {
    int at = 0;
    for (std::size_t i = 0; i < line.size(); i += charBytes(line, i)) {
        const int next = nextColumn(line, i, at);
        if (column < next) return i;
        at = next;
    }
    return line.size();
}

EditScroll& EditScrolls::follow(plat::Hwnd edit, int lines, int rows, int columns, int caretLine, int caretColumn,
                                std::size_t caret, std::size_t size) {
    EditScroll& s = scrolls_[edit];
    rows = std::max(rows, 1);
    columns = std::max(columns, 1);
    if (s.caret != caret || s.size != size) {
        if (caretLine < s.firstLine) s.firstLine = caretLine;
        if (caretLine >= s.firstLine + rows) s.firstLine = caretLine - rows + 1;
        if (caretColumn < s.firstColumn) s.firstColumn = caretColumn;
        if (caretColumn >= s.firstColumn + columns) s.firstColumn = caretColumn - columns + 1;
        s.caret = caret;
        s.size = size;
    }
    const int maxFirst = std::max(lines - rows, 0);
    maxFirstLine_[edit] = maxFirst;
    s.firstLine = std::clamp(s.firstLine, 0, maxFirst);
    s.firstColumn = std::max(s.firstColumn, 0);
    return s;
}

void EditScrolls::scroll(plat::Hwnd edit, int lines) {
    EditScroll& s = scrolls_[edit];
    s.firstLine = std::clamp(s.firstLine + lines, 0, maxFirstLine_[edit]);
}

const EditScroll* EditScrolls::find(plat::Hwnd edit) const {
    const auto it = scrolls_.find(edit);
    return it == scrolls_.end() ? nullptr : &it->second;
}

void EditScrolls::forgetGone() {
    std::erase_if(scrolls_, [](const auto& entry) { return !plat::isWindow(entry.first); });
    std::erase_if(maxFirstLine_, [](const auto& entry) { return !plat::isWindow(entry.first); });
}

}  // namespace tui

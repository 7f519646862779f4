#include "betdata/bet_list_memory.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace betdata {

namespace {
constexpr std::string_view kLineBreak = "\r\n";
}  // namespace

int MemoryBetList::lineCount() {
    int lines = 1;
    for (std::size_t at = text_.find(kLineBreak); at != std::string::npos;
         at = text_.find(kLineBreak, at + kLineBreak.size()))
        ++lines;
    return lines;
}

std::size_t MemoryBetList::readLine(int index, char* buffer, std::size_t size) {
    if (size == 0) return 0;
    buffer[0] = '\0';
    if (index < 0) return 0;
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        std::size_t at = text_.find(kLineBreak, start);
        if (at == std::string::npos) return 0;
        start = at + kLineBreak.size();
    }
    std::size_t end = std::min(text_.find(kLineBreak, start), text_.size());
    std::size_t length = std::min(end - start, size - 1);
    std::memcpy(buffer, text_.data() + start, length);
    buffer[length] = '\0';
    return length;
}

}  // namespace betdata

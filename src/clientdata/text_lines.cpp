#include "clientdata/text_lines.h"

#include <string>

namespace clientdata {

void ForEachLine(plat::TextFile& file, std::size_t bufferSize, const std::function<void(std::string_view)>& fn) {
    std::string line;
    bool continuation = false;
    while (file.getLine(line, bufferSize)) {
        if (!continuation) fn(line);
        continuation = line.back() != '\n';
    }
}

}  // namespace clientdata

#include "frontends/cli/batch_host.h"

#include "frontends/cli/cli_text.h"

namespace cli {

void printBoxes(std::FILE* out, const std::vector<BatchHost::Box>& boxes, bool utf8) {
    for (const BatchHost::Box& box : boxes) {
        std::string text;
        for (char c : box.text) {
            if (c == '\r') text += "\\r";
            else if (c == '\n') text += "\\n";
            else text += c;
        }
        std::fprintf(out, "%u %s\n", box.helpId, outputText(text, utf8).c_str());
    }
}

}  // namespace cli

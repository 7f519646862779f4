#include "frontends/cli/batch_host.h"

#include "frontends/cli/cli_text.h"

namespace cli {

void printBoxes(std::FILE* out, const std::vector<BatchHost::Box>& boxes, bool utf8) {
    for (const BatchHost::Box& box : boxes)
        std::fprintf(out, "%u %s\n", box.helpId, outputText(escapeLineBreaks(box.text), utf8).c_str());
}

}  // namespace cli

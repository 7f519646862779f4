// The clipboard of the simulated desktop (text only).
#include "platform/dialog.h"
#include "platform/sim/backend.h"

namespace plat {

bool setClipboardText(const std::string& text) {
    sim::clipboardText() = text;
    return true;
}

std::string getClipboardText() { return sim::clipboardText(); }

}  // namespace plat

// Beeps and the sounds of message boxes: recorded in the desktop's trace.
#include "platform/dialog.h"
#include "platform/sim/backend.h"

namespace plat {

void messageBeep(Uint type) {
    sim::Desktop* desktop = sim::Desktop::current();
    if (desktop == nullptr) return;
    sim::TraceEvent event;
    event.kind = sim::TraceEvent::Kind::Sound;
    event.timeMs = desktop->virtualMs();
    event.fromProgram = sim::currentProgramName();
    event.value = static_cast<std::int64_t>(type);
    desktop->record(std::move(event));
}

}  // namespace plat

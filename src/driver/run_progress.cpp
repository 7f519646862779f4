#include "driver/run_progress.h"

namespace driver {

const char* RunStepName(RunStep step) {
    switch (step) {
    case RunStep::None: return "";
    case RunStep::Connecting: return "connecting";
    case RunStep::Racecourse: return "racecourse and race";
    case RunStep::Numbers: return "kind and numbers";
    case RunStep::Amount: return "amount";
    case RunStep::Confirm: return "OK";
    case RunStep::Total: return "confirming the total";
    case RunStep::Vote: return "voting";
    case RunStep::Finished: return "finished";
    }
    return "";
}

}  // namespace driver

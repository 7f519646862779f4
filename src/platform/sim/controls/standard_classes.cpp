#include "platform/sim/backend.h"
#include "platform/sim/controls/control_procs.h"

namespace sim {

void registerStandardClasses() {
    plat::registerClass("Edit", controls::makeEditProc());
    plat::registerClass("Button", controls::makeButtonProc());
    plat::registerClass("ComboBox", controls::makeComboBoxProc());
    plat::registerClass("Static", controls::staticProc);
    plat::registerClass("#32770", controls::dialogClassProc);
}

}  // namespace sim

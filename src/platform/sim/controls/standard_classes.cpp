#include "platform/sim/backend.h"
#include "platform/sim/controls/control_procs.h"

namespace sim {

void registerStandardClasses() {
    plat::registerClass("Edit", controls::editProc);
    plat::registerClass("Button", controls::buttonProc);
    plat::registerClass("ComboBox", controls::comboBoxProc);
    plat::registerClass("Static", controls::staticProc);
    plat::registerClass("#32770", controls::dialogClassProc);
}

}  // namespace sim

#include "app/settings_apply.h"

#include "base/settings_write_sets.h"
#include "driver/driver_settings.h"

namespace app {

void ApplyEnvironmentSettings(base::ProfileStore& store, const base::Settings& settings,
                              driver::DriverState& driver) {
    base::WriteEnvironmentSettings(store, settings);
    driver::LoadDriverSettings(settings, driver);
}

void ApplyOptionSettings(base::ProfileStore& store, const base::Settings& settings,
                         driver::DriverState& driver) {
    base::WriteOptionSettings(store, settings);
    driver::SetDriverFlags(driver, settings.accInp, settings.autoPat, settings.skipAnn,
                           settings.forceMode);
}

}  // namespace app

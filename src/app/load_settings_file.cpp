#include "app/load_settings.h"

#include "platform/clock.h"

namespace app {

void LoadSettings(const std::string& profilePath, Settings& settings) {
    FileProfileStore store(profilePath);
    LoadSettings(store, settings, plat::now());
}

}  // namespace app

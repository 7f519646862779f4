#include "base/load_settings.h"

#include "platform/clock.h"

namespace base {

void LoadSettings(const std::string& profilePath, Settings& settings) {
    FileProfileStore store(profilePath);
    LoadSettings(store, settings, plat::now());
}

}  // namespace base

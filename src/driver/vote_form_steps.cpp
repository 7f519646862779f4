// Selections on the vote form: day, racecourse, race, kind and method.
#include "driver/vote_form_steps.h"

#include "driver/driver_waits.h"
#include "driver/form_actions.h"
#include "driver/vote_form_input.h"
#include "driver/vote_form_steps_controls.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace driver {

namespace {

// Pauses after a selection, for the form to show it.
constexpr std::uint32_t kVenueSettleActionWaits = 2;
constexpr std::uint32_t kMethodSettleMessageWaits = 2;
// How long a new kind may take to switch 総流し on or off: polls of
// 2 x MessageWait.
constexpr int kKindPolls = 22;
constexpr std::uint32_t kKindPollMessageWaits = 2;

bool selectItem(const DriverState& driver, const FormControl& frame, const char* item) {
    const plat::Point at = Scaled(driver, frame.at);
    return SelectComboItem(driver, frame.caption, item, at.x, at.y);
}

bool checkOption(const DriverState& driver, const FormControl& option) {
    const plat::Point at = Scaled(driver, option.at);
    return CheckOption(option.caption, at.x, at.y);
}

bool isPairKindIndex(int index) { return index == kKindIndexWakuren || index == kKindIndexUmaren; }

}  // namespace

bool SelectDay(DriverState& driver, int index) {
    if (index == driver.entry.day) return true;
    if (index < 0 || index >= static_cast<int>(kVoteDayItems.size())) return false;
    driver.entry.day = index;
    if (!selectItem(driver, kVoteDayFrame, kVoteDayItems[static_cast<std::size_t>(index)])) return false;
    driver.entry.race = -1;
    plat::sleep(CurrentWaits(driver).action);
    return true;
}

bool SelectVenue(DriverState& driver, const std::string& name) {
    if (name == driver.entry.venue) return true;
    if (!selectItem(driver, kVoteVenueFrame, name.c_str())) return false;
    driver.entry.venue = name;
    driver.entry.race = -1;
    driver.entry.kind = -1;
    plat::sleep(Times(kVenueSettleActionWaits, CurrentWaits(driver).action));
    return true;
}

bool SelectRace(DriverState& driver, int race) {
    if (race - 1 == driver.entry.race) return true;
    if (race < 1 || race > static_cast<int>(kVoteRaceItems.size())) return false;
    driver.entry.race = race - 1;
    if (!selectItem(driver, kVoteRaceFrame, kVoteRaceItems[static_cast<std::size_t>(race - 1)])) return false;
    driver.entry.kind = -1;
    plat::sleep(CurrentWaits(driver).action);
    return true;
}

bool SelectKind(DriverState& driver, int index) {
    if (index == driver.entry.kind) return true;
    if (index < 0 || index >= static_cast<int>(kVoteKindOptions.size())) return false;
    driver.entry.kind = index;
    // A new kind may leave the method unchosen on the form: it is chosen again.
    driver.entry.method = -1;
    checkOption(driver, kVoteKindOptions[static_cast<std::size_t>(index)]);
    const plat::Hwnd wheel = FindOnForm(driver, kVoteWheelOption);
    if (wheel == 0) return false;
    const std::uint32_t poll = Times(kKindPollMessageWaits, CurrentWaits(driver).message);
    for (int i = 0; i < kKindPolls; ++i) {
        plat::sleep(poll);
        if (plat::isWindowEnabled(wheel) == isPairKindIndex(index)) return true;
    }
    return false;
}

bool SelectMethod(DriverState& driver) {
    if (driver.entry.method == 0) return true;
    driver.entry.method = 0;
    // 総流し first, so that 通常 is a change the form sees.
    checkOption(driver, kVoteWheelOption);
    const bool normal = checkOption(driver, kVoteNormalOption);
    plat::sleep(Times(kMethodSettleMessageWaits, CurrentWaits(driver).message));
    return normal;
}

}  // namespace driver

#include "driver/pat_driver.h"

#include "driver/driver_message.h"
#include "platform/clock.h"

namespace driver {

int ProgramHour(const PatDriver& driver) { return plat::localTime(driver.programClock.load()).hour; }

bool InBettingHours(int hour) { return hour >= kFirstBettingHour && hour <= kLastBettingHour; }

int FailWith(PatDriver& driver, int messageId) {
    ShowDriverMessage(driver.notifier, driver.mainWindow.load(), messageId);
    return -1;
}

}  // namespace driver

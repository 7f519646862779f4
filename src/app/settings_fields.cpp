#include "app/settings_fields.h"

#include "app/settings_keys.h"

namespace app {

namespace {

using namespace keys;

constexpr Field kFhwars[] = {
    intField(kFhwarsRen, &Settings::fhwarsRen),
    intField(kFhwarsTan, &Settings::fhwarsTan),
    intField(kFhwarsFuku, &Settings::fhwarsFuku),
    intField(kFhwarsKingaku, &Settings::fhwarsKingaku),
    intField(kFhwarsTanKingaku, &Settings::fhwarsTanKingaku),
    intField(kFhwarsFukuKingaku, &Settings::fhwarsFukuKingaku),
};

constexpr Field kDbmn[] = {
    intField(kDbmnSoft, &Settings::dbmnSoft),
    intField(kDbmnKingaku, &Settings::dbmnKingaku),
};

constexpr Field kModem[] = {
    textField(kModemName1, &Settings::modemName1),
    textField(kModemNumber1, &Settings::modemNumber1),
    intField(kLineDevice1, &Settings::lineDevice1),
    intField(kLineDefineUse1, &Settings::lineDefineUse1),
    textField(kModemName2, &Settings::modemName2),
    textField(kModemNumber2, &Settings::modemNumber2),
    intField(kLineDevice2, &Settings::lineDevice2),
    intField(kLineDefineUse2, &Settings::lineDefineUse2),
    intField(kModemDialogAutoCloseSec, &Settings::modemDialogAutoCloseSec),
};

}  // namespace

const std::span<const Field> kFhwarsFields{kFhwars};
const std::span<const Field> kDbmnFields{kDbmn};
const std::span<const Field> kModemFields{kModem};

}  // namespace app

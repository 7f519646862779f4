#include "base/settings_fields.h"

#include "base/settings_keys.h"

namespace base {

namespace {

using namespace keys;

constexpr Field kTiming[] = {
    intField(kActionWait, &Settings::actionWait),
    intField(kMessageWait, &Settings::messageWait),
    intField(kWindowOpenWait, &Settings::windowOpenWait),
    intField(kBetFileWatchDistance, &Settings::betFileWatchDistance),
    intField(kShimekiriMae, &Settings::shimekiriMae),
};

constexpr Field kSwitches[] = {
    intField(kAccInp, &Settings::accInp),
    intField(kAutoPat, &Settings::autoPat),
    intField(kSkipAnn, &Settings::skipAnn),
    intField(kSkipCyuui, &Settings::skipCyuui),
    intField(kRenameSav, &Settings::renameSav),
    intField(kForceMode, &Settings::forceMode),
    intField(kForceTouhyo, &Settings::forceTouhyo),
    intField(kAutoMode, &Settings::autoMode),
    intField(kLimitTime, &Settings::limitTime),
    intField(kLimitRace, &Settings::limitRace),
    intField(kBetDivideUnit, &Settings::betDivideUnit),
};

constexpr Field kPaths[] = {
    textField(kBetFileDir, &Settings::betFileDir),
    textField(kPat95Dir, &Settings::pat95Dir),
    textField(kTargetDir, &Settings::targetDir),
    textField(kAnnaiWaveFile, &Settings::annaiWaveFile),
};

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

constexpr Field kKeptTexts[] = {
    textField(kCurrentInfo, &Settings::currentInfo),
    textField(kFramePos, &Settings::framePos),
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

constinit const std::span<const Field> kTimingFields{kTiming};
constinit const std::span<const Field> kSwitchFields{kSwitches};
constinit const std::span<const Field> kPathFields{kPaths};
constinit const std::span<const Field> kFhwarsFields{kFhwars};
constinit const std::span<const Field> kDbmnFields{kDbmn};
constinit const std::span<const Field> kKeptTextFields{kKeptTexts};
constinit const std::span<const Field> kModemFields{kModem};

}  // namespace base

// The environment dialog "設定": where the betting client, the bet files,
// TARGET's race cards and the deadline wave are, the client account, the
// deadline alarm's lead and the driver's timing values.
#pragma once

#include "base/profile_store.h"
#include "base/settings.h"
#include "driver/driver_state.h"
#include "platform/dialog.h"

namespace app {

constexpr const char* kEnvironmentCaption = "設定";

constexpr int kIdEnvClientPath = 1009;
constexpr int kIdEnvBrowseClient = 1010;
constexpr int kIdEnvWatchInterval = 1011;
constexpr int kIdEnvWindowOpenWait = 1012;
constexpr int kIdEnvActionWait = 1013;
constexpr int kIdEnvMessageWait = 1014;
constexpr int kIdEnvBetFileDir = 1015;
constexpr int kIdEnvBrowseBetFileDir = 1016;
constexpr int kIdEnvUserId = 1017;
constexpr int kIdEnvPassword = 1018;
constexpr int kIdEnvTargetDir = 1054;
constexpr int kIdEnvBrowseTargetDir = 1055;
constexpr int kIdEnvWaveFile = 1056;
constexpr int kIdEnvBrowseWave = 1057;
constexpr int kIdEnvPlayWave = 1058;
constexpr int kIdEnvShimekiriMae = 1059;

// The client's executable as the dialog stores it: any file named in the
// client field stands for "Pat95.exe" in the same directory.
constexpr const char* kClientExeName = "Pat95";
constexpr const char* kClientExeExtension = "exe";

plat::DialogTemplate EnvironmentTemplate();

// Shows the dialog filled from settings.  OK first requires a non-empty
// Pat95.exe beside the file named in the client field (the field then
// holds that path) and cuts the bet-file and TARGET fields to their
// directories; then the fields are validated.  On OK the values are kept in
// settings, written to the profile and handed to the driver; true.
// ｷｬﾝｾﾙ changes nothing; false.
bool EditEnvironment(plat::Hwnd owner, base::Settings& settings, base::ProfileStore& profile,
                     driver::DriverState& driver);

}  // namespace app

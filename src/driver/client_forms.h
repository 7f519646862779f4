// The betting client's windows as the driver addresses them: class, caption
// and the design size its control positions refer to.
#pragma once

namespace driver {

struct ClientForm {
    const char* className;
    const char* caption;
    int designWidth = 0;   // 0: positions on this window are not calibrated to it
    int designHeight = 0;
};

// A design-time position on a client form, scaled before use.
struct DesignPoint {
    int x = 0;
    int y = 0;
};

constexpr const char* kFormClass = "ThunderRTForm";
constexpr const char* kBoxClass = "#32770";

constexpr ClientForm kLoginForm{kFormClass, "JRA PAT for Win 95", 651, 493};
constexpr ClientForm kMenuForm{kFormClass, "JRA PAT for Win95", 711, 87};
constexpr ClientForm kVenueGuideForm{kFormClass, "開催場案内"};
constexpr ClientForm kVoteForm{kFormClass, "投票", 638, 430};
constexpr ClientForm kCommunicationForm{kFormClass, "通信"};
constexpr ClientForm kAmountConfirmForm{kFormClass, "投票金額確認"};
constexpr ClientForm kVoteResultForm{kFormClass, "投票結果"};
constexpr ClientForm kInfoForm{kFormClass, "パドック", 758, 412};

// The client's message boxes: information and error.
constexpr ClientForm kClientInfoBox{kBoxClass, "ﾒｯｾｰｼﾞ"};
constexpr ClientForm kClientErrorBox{kBoxClass, "ｴﾗｰﾒｯｾｰｼﾞ"};

}  // namespace driver

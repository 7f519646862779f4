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

// A control of a form: found by the beginning of its caption at a design
// position.
struct FormControl {
    ClientForm form;
    DesignPoint at;
    const char* caption;
};

// Login form: the two input fields (found by position only), OK, then the
// choice whether to fetch the voting terms.
constexpr DesignPoint kLoginPasswordAt{484, 352};
constexpr DesignPoint kLoginUserIdAt{504, 322};
constexpr FormControl kLoginOk{kLoginForm, {381, 412}, "ＯＫ"};
constexpr FormControl kLoginFetchTerms{kLoginForm, {99, 127}, "取得する"};
constexpr FormControl kLoginSkipTerms{kLoginForm, {249, 127}, "取得しない"};

// Menu form (two blanks in 投  票, a full-width blank in 終　了).
constexpr FormControl kMenuVote{kMenuForm, {55, 69}, "投  票"};
constexpr FormControl kMenuPaddock{kMenuForm, {155, 69}, "パドック"};
constexpr FormControl kMenuExit{kMenuForm, {655, 69}, "終　了"};

// Communication form: OK starts the transfer.
constexpr FormControl kCommunicationOk{kCommunicationForm, {132, 115}, "ＯＫ"};

// Information form: the panel holding the racecourse frame (found by its
// class), the racecourse frame inside it, the buttons, and the two item
// lists (payout kinds in rows, races in columns) found by position.
constexpr DesignPoint kInfoPanelAt{57, 77};
constexpr const char* kInfoPanelClass = "AfxWnd40";
constexpr DesignPoint kInfoVenueFrameAt{53, 49};
constexpr const char* kInfoVenueFrame = "場名";
constexpr FormControl kInfoFetch{kInfoForm, {341, 94}, "情報取得"};
constexpr FormControl kInfoTransfer{kInfoForm, {142, 379}, "通信"};
constexpr FormControl kInfoClose{kInfoForm, {56, 379}, "閉じる"};
constexpr DesignPoint kInfoPayoutListAt{104, 160};
constexpr DesignPoint kInfoRaceCardListAt{494, 240};

// The client's exit confirmation.
constexpr FormControl kExitConfirmYes{kClientInfoBox, {109, 104}, "はい(&Y)"};

}  // namespace driver

// The client's message boxes: "#32770" windows captioned "ﾒｯｾｰｼﾞ" or
// "ｴﾗｰﾒｯｾｰｼﾞ", laid out by the client itself so that each text and button
// sits at a fixed design position of the box (relative to its window
// rectangle), drawn at the scale of the form that raises it.
#pragma once

#include <string>
#include <vector>

#include "betclient/client_timing.h"
#include "betclient/geometry.h"
#include "platform/window.h"

namespace betclient {

struct BoxButton {
    int id;               // IDOK, IDYES, IDNO
    const char* caption;  // "OK", "はい(&Y)", "いいえ(&N)"
    DesignRect rect;
};

struct BoxLayout {
    DesignSize size;
    DesignRect text;
    std::vector<BoxButton> buttons;  // the first is the default
};

namespace box {
// 同枠取消: text at (139, 56), "OK" at (111, 104).
extern const BoxLayout kSameBracket;
// Bet-entry checks: texts at (278, 56), (178, 56) and (144, 56).
extern const BoxLayout kEntryCheck;
// 合計金額が誤りです。 at (221, 62).
extern const BoxLayout kTotalWrong;
// After a vote: "OK" at (222, 88).
extern const BoxLayout kVoteAccepted;
// Error 10001: text at (340, 62), "OK" at (308, 112).
extern const BoxLayout kError10001;
// Error 11028: text at (343, 65), "OK" at (312, 118).
extern const BoxLayout kError11028;
// The exit question: "はい(&Y)" at (109, 104).
extern const BoxLayout kQuitQuestion;
// Any other notice or error.
extern const BoxLayout kNotice;
}  // namespace box

// Runs the box modally over `owner` (a form, or the main window) at the
// scale given, its buttons as slow as the client's timing makes them;
// returns the id of the button pressed (closing the box counts as the last
// button).
int runClientBox(plat::Hwnd owner, Scale scale, const char* caption, const std::string& text,
                 const BoxLayout& layout, ClientTiming& timing);

}  // namespace betclient

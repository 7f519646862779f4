// Message boxes and the open-file dialog answered by the scripted user, and
// the owner's timer ticking while a box is open.
#include <memory>

#include "controls_fixture.h"

namespace controls_test {
namespace {

using testsupport::u8;

using MessageBoxTest = ControlsTest;
using OpenFileTest = ControlsTest;

TEST_F(MessageBoxTest, AnsweredByRuleAndRecorded) {
    user_.setDelay(300);
    user_.answerId(8145, IDNO);
    user_.answerText("中止", IDCANCEL);
    user_.answerText("完了", IDNO);  // not a button of an OK box: passed over
    std::vector<int> results;
    std::vector<std::int64_t> times;
    onApp([&] {
        const Hwnd owner = makeParent();
        auto ask = [&](const std::string& text, Uint type, Uint helpId) {
            results.push_back(messageBox(owner, text, "Ornel", type, helpId));
            times.push_back(desktop_.virtualMs());
        };
        ask("投票要項が本日のものではありません。", MB_YESNO | MB_ICONQUESTION, 8145);
        ask("続けますか？", MB_YESNO, 0);
        ask("処理を中止しますか？", MB_OKCANCEL, 0);
        ask("取込みが完了しました。", MB_OK | MB_ICONASTERISK, 0);
    });
    EXPECT_EQ(results, (std::vector<int>{IDNO, IDYES, IDCANCEL, IDOK}));
    EXPECT_EQ(times[0], 300) << "answered after the user's delay";

    const auto& seen = user_.seen();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(u8(seen[0].info.text), u8("投票要項が本日のものではありません。"));
    EXPECT_EQ(seen[0].info.helpId, 8145u);
    EXPECT_EQ(seen[0].answer, IDNO);
    EXPECT_EQ(seen[0].timeMs, 0);
    EXPECT_EQ(seen[1].timeMs, 300);
    EXPECT_EQ(u8(seen[0].info.caption), "Ornel");
    EXPECT_EQ(seen[0].info.buttons,
              (std::vector<std::pair<int, std::string>>{{IDYES, "はい(&Y)"}, {IDNO, "いいえ(&N)"}}));
    EXPECT_EQ(seen[2].info.buttons,
              (std::vector<std::pair<int, std::string>>{{IDOK, "OK"}, {IDCANCEL, "ｷｬﾝｾﾙ"}}));
    EXPECT_EQ(user_.seenFrom("app").size(), 4u);

    std::vector<std::int64_t> sounds;
    for (const auto& event : desktop_.trace()) {
        if (event.kind == sim::TraceEvent::Kind::Sound) sounds.push_back(event.value);
    }
    EXPECT_EQ(sounds, (std::vector<std::int64_t>{MB_ICONQUESTION, MB_OK, MB_OK, MB_ICONASTERISK}));
}

TEST_F(MessageBoxTest, ClosingAQuestionDoesNothingButClosesAnOkBox) {
    user_.setDelay(1000);
    std::vector<int> results;
    std::vector<std::int64_t> times;
    auto closeBoxAt = [&](std::int64_t ms) {
        desktop_.act(ms, [] { postMessage(findWindow("#32770", "確認"), WM_CLOSE, 0, 0); });
    };
    onApp([&] {
        closeBoxAt(400);
        results.push_back(messageBox(0, "終了しますか？", "確認", MB_YESNO, 0));
        times.push_back(desktop_.virtualMs());
        closeBoxAt(400);
        results.push_back(messageBox(0, "終了しました。", "確認", MB_OK, 0));
        times.push_back(desktop_.virtualMs());
    });
    EXPECT_EQ(results, (std::vector<int>{IDYES, IDOK}));
    EXPECT_EQ(times[0], 1000) << "the question stayed open until answered";
    EXPECT_EQ(times[1], 1400) << "the OK box closed at once";
    EXPECT_EQ(findWindow("#32770", nullptr), 0u);
}

// A point given relative to the box's window rectangle, on a control.
bool onControl(Hwnd box, int id, int x, int y) {
    Rect boxRect, controlRect;
    getWindowRect(box, boxRect);
    getWindowRect(getDlgItem(box, id), controlRect);
    const int cx = x + boxRect.left - controlRect.left;
    const int cy = y + boxRect.top - controlRect.top;
    return cx >= 0 && cy >= 0 && cx <= controlRect.width() && cy <= controlRect.height();
}

TEST_F(MessageBoxTest, TextAndButtonSitWhereADriverLooksForThem) {
    // A one-line box with an icon: its text and OK where a driver expects a
    // small notice ("同枠取消があります。" at 139,56 and OK at 111,104).
    user_.setDelay(1000);
    bool textFound = false, okFound = false;
    onApp([&] {
        desktop_.act(100, [&] {
            const Hwnd box = findWindow("#32770", "ﾒｯｾｰｼﾞ");
            textFound = onControl(box, 0xFFFF, 139, 56);
            okFound = onControl(box, IDOK, 111, 104);
        });
        messageBox(makeParent(), "同枠取消があります。", "ﾒｯｾｰｼﾞ", MB_OK | MB_ICONEXCLAMATION, 0);
    });
    EXPECT_TRUE(textFound);
    EXPECT_TRUE(okFound);
}

TEST_F(MessageBoxTest, OwnersTimerTicksWhileTheBoxIsOpen) {
    user_.setDelay(5000);
    int ticks = 0;
    int result = 0;
    onApp([&] {
        const Hwnd owner = makeParent();
        auto previous = std::make_shared<WndProc>();
        *previous = setWindowProc(owner, [&ticks, previous](Hwnd h, Uint m, Wparam w, Lparam l) {
            if (m == WM_TIMER && w == 1) ++ticks;
            return callWindowProc(*previous, h, m, w, l);
        });
        setTimer(owner, 1, 2000);
        result = messageBox(owner, "待機中", "Ornel", MB_OK, 0);
        EXPECT_TRUE(isWindowEnabled(owner)) << "the owner is enabled again";
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ticks, 2) << "ticks at 2000 and 4000 ms while the box was open";
}

TEST_F(OpenFileTest, TheTypedPathIsChosenWithTheDefaultExtension) {
    testsupport::writeBytes(dir_.file("README"), "x");
    OpenFileRequest request;
    request.filter = "BET Files (*.bet)|*.BET|All Files (*.*)|*.*||";
    request.defaultExtension = "BET";
    request.fileName = dir_.path() + "*.bet";
    std::vector<std::string> chosen;
    std::vector<bool> confirmed;
    onApp([&] {
        for (const std::string& answer : {dir_.path() + "98120501", dir_.path() + "README",
                                         std::string("X.TGP"), std::string()}) {
            user_.setOpenFileAnswer(answer);
            request.chosenPath = "unchanged";
            confirmed.push_back(openFileDialog(0, request));
            chosen.push_back(request.chosenPath);
        }
    });
    EXPECT_EQ(confirmed, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(chosen[0], dir_.path() + "98120501.BET");
    EXPECT_EQ(chosen[1], dir_.path() + "README") << "an existing file keeps its name";
    EXPECT_EQ(chosen[2], dir_.path() + "X.TGP") << "a bare name is in the initial directory";
    EXPECT_EQ(chosen[3], "unchanged");

    const auto& seen = user_.seen();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_TRUE(seen[0].info.isOpenFile);
    EXPECT_EQ(u8(seen[0].info.caption), u8("ファイルを開く"));
    EXPECT_EQ(seen[0].info.filter, request.filter);
    EXPECT_EQ(seen[0].info.defaultExtension, "BET");
    EXPECT_EQ(seen[0].info.fileName, dir_.path() + "*.bet");
    EXPECT_EQ(seen[3].answer, IDCANCEL);
}

}  // namespace
}  // namespace controls_test

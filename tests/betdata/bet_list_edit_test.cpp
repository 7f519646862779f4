// The bet list and the status box as edit controls on the simulated desktop,
// with the program's message boxes.
#include <gtest/gtest.h>

#include <cstring>

#include "base/message_box_notifier.h"
#include "base/strings.h"
#include "betdata/bet_grammar.h"
#include "base/bet_list_edit.h"
#include "betdata/bet_status.h"
#include "platform/sim/desktop.h"
#include "platform/sim/scripted_user.h"
#include "platform/window.h"
#include "support/support.h"

namespace {

using namespace plat;

class BetListEdit : public ::testing::Test {
protected:
    BetListEdit() : desktop_(sim::Desktop::Options{dir_.path()}) { desktop_.setUser(&user_); }

    void onOrnel(const std::function<void()>& fn) { ASSERT_TRUE(desktop_.call("Ornel", fn, 600'000)); }

    Hwnd makeEdit(Hwnd parent, Dword style) {
        CreateParams p;
        p.className = "Edit";
        p.style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | style;
        p.rect = {4, 4, 300, 200};
        p.parent = parent;
        return createWindow(p);
    }
    Hwnd makeWindow() {
        CreateParams p;
        p.className = "Static";
        p.caption = "Ornel";
        p.style = WS_POPUP | WS_VISIBLE;
        p.rect = {0, 0, 320, 240};
        return createWindow(p);
    }

    testsupport::TempDir dir_;
    sim::ScriptedUser user_;
    sim::Desktop desktop_;
};

TEST_F(BetListEdit, LinesAreReadThroughTheSizeWordAndCut) {
    onOrnel([] {
        CreateParams p;
        p.className = "Edit";
        p.style = WS_POPUP | ES_MULTILINE;
        const Hwnd edit = createWindow(p);
        setWindowText(edit, std::string(200, '7') + "\r\n\r\nabc");
        base::EditBetList list(edit);
        EXPECT_EQ(list.lineCount(), 3);
        char buffer[128];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(list.readLine(0, buffer, sizeof buffer), 127u);
        EXPECT_EQ(std::string(buffer), std::string(127, '7'));
        EXPECT_EQ(list.readLine(1, buffer, sizeof buffer), 0u);
        EXPECT_EQ(std::string(buffer), "");
        EXPECT_EQ(list.readLine(2, buffer, sizeof buffer), 3u);
        EXPECT_EQ(std::string(buffer), "abc");
        destroyWindow(edit);
    });
}

TEST_F(BetListEdit, ParsingRewritesTheEditAndShowsMessagesAsBoxes) {
    std::string text, status;
    Dword selectionEnd = 0;
    base::VotingTerms terms;
    terms.statusDirty = 1;
    onOrnel([&] {
        const Hwnd main = makeWindow();
        const Hwnd edit = makeEdit(main, ES_UPPERCASE);
        const Hwnd statusBox = makeEdit(main, ES_READONLY);
        setWindowText(edit, "東京 11R 馬連 3-5 1000\r\n★\r\n中山 1R 7 500");
        base::MessageBoxNotifier notifier;
        notifier.setOwner(main);
        base::EditBetList list(edit);
        betdata::BetListState state;
        betdata::BetListContext ctx{list, state, terms, notifier, nullptr};
        betdata::ParseBetList(ctx, true);
        betdata::ShowBetStatus(statusBox, state, terms);
        text = getWindowText(edit, 1000);
        status = getWindowText(statusBox, 1000);
        sendMessage(edit, EM_GETSEL, 0, reinterpret_cast<Lparam>(&selectionEnd));
        destroyWindow(main);
    });
    EXPECT_EQ(text, "001: 東京 11R 馬連 03-05     1000\r\n002: 中山  1R 単勝    07      500\r\n");
    EXPECT_EQ(selectionEnd, text.size());  // the caret ends at the end of the list
    EXPECT_EQ(status, betdata::FormatBetStatus(2, 1500, terms));
    EXPECT_EQ(terms.statusDirty, 0);

    auto boxes = user_.seenFrom("Ornel");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].info.helpId, static_cast<Uint>(base::kMsgBadVenueOrKind));
    EXPECT_EQ(boxes[0].info.caption, "Ornel");
    EXPECT_EQ(boxes[0].info.text, base::messageText(base::kMsgBadVenueOrKind));
}

}  // namespace

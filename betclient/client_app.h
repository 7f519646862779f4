// The client application: one signed-in session of a user with the betting
// centre, its forms, and the moves between them.
//
//   login form ── ＯＫ ──> 取得する / 取得しない
//        取得する ──> 通信 (terms fetched) ─┐
//        取得しない ────────────────────────┴─> menu form + venue guide
//   venue guide ── a racecourse ──> vote form ── 投  票 ──> amount confirmation
//        ── 通常投票 / 強制投票 ──> 通信 ──> box ──> vote result
//   menu: 投  票 (vote form), パドック (information form), 終　了 (exit)
//   information form ── 通信 ──> payout files / race cards ──> box
//
// Everything runs on the client's one thread.  Work that closes forms or
// raises boxes after a form's message is handled is deferred through the
// hidden main window, so no handler outlives its form.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "betclient/centre/centre.h"
#include "betclient/client_box.h"
#include "betclient/client_timing.h"
#include "betclient/faults.h"
#include "betclient/form.h"
#include "betclient/pending_bets.h"
#include "platform/window.h"

namespace betclient {

class LoginForm;
class VoteForm;
class ConfirmForm;
class CommForm;
class InfoForm;

// A transfer through the 通信 form.
struct CommJob {
    std::string what;               // what the form says it is about to do
    FormKind requester;             // boxes about the outcome are drawn at its scale
    std::function<void()> done;     // the transfer went through
    std::function<void()> failed;   // it failed or was stopped (may be empty)
};

// Selected items of the information form.
struct InfoSelection {
    std::vector<std::pair<int, centre::Kind>> payouts;  // venue, kind
    std::vector<std::pair<int, int>> raceCards;         // venue, race
};

class ClientApp {
public:
    ClientApp(std::string directory, centre::Centre centre, const ClientBehaviour& behaviour = {});
    ~ClientApp();
    ClientApp(const ClientApp&) = delete;
    ClientApp& operator=(const ClientApp&) = delete;

    // Makes the hidden main window and opens the login form.  False when
    // another client already runs on the desktop (it is brought forward).
    bool start();

    const std::string& directory() const { return directory_; }
    const centre::Day& day() const { return centre_.day(); }
    const FaultFile& faults() const { return faults_; }
    PendingBets& pending() { return pending_; }
    ClientTiming& timing() { return timing_; }
    bool busyWithBox() const { return boxDepth_ > 0; }

    // A box over a form (at its scale), or over the main window.
    int box(const Form* owner, const char* caption, const std::string& text, const BoxLayout& layout);
    int boxOver(FormKind owner, const char* caption, const std::string& text, const BoxLayout& layout);

    // ---- moves ----
    // Login: false (after an error box) when the centre refuses.
    bool logIn(const std::string& userId, const std::string& password, const Form& from);
    void fetchTerms();
    void finishLogin();
    void openVote(int venue);
    void openInfo();
    void openConfirm();
    // Sends the pending bets (the confirmation form has checked them).
    void submitVote();
    void transferInfo(const InfoSelection& selection);
    void askQuit(const Form& from);
    // The pending list changed: the forms showing it follow.
    void pendingChanged();
    void quit();

    // ---- the 通信 form ----
    bool transferBusy() const { return job_.has_value(); }
    const CommJob* job() const { return job_ ? &*job_ : nullptr; }
    // ＯＫ pressed: runs the transfer; how long it lasts, or nullopt when it hangs.
    std::optional<std::uint32_t> beginTransfer();
    void transferEnded();
    void stopTransfer(bool running);

    // Deferred work: after the current message, or after a delay.
    void defer(std::function<void()> work);
    void after(std::uint32_t ms, std::function<void()> work);

    template <class F>
    F* form(FormKind kind) const {
        return static_cast<F*>(forms_[static_cast<std::size_t>(kind)]);
    }
    Form* anyForm(FormKind kind) const { return forms_[static_cast<std::size_t>(kind)]; }
    void formGone(Form& form);

private:
    static plat::Lresult mainProc(plat::Hwnd window, plat::Uint message, plat::Wparam wParam,
                                  plat::Lparam lParam);
    plat::Lresult handleMain(plat::Uint message, plat::Wparam wParam, plat::Lparam lParam);
    // Opens a form of a kind (or brings the open one forward) after the
    // fault file's delay; `ready` runs once it is open.
    void openForm(FormKind kind, std::function<Form*()> make, std::function<void(Form&)> ready = {});
    void showForm(FormKind kind, Form* form, const std::function<void(Form&)>& ready);
    Scale faultScale() const;
    bool faultAppliesTo(std::string_view fault, FormKind kind) const;
    void deliverVote(const std::vector<centre::Bet>& bets);
    bool writeInfoFiles(const InfoSelection& selection);
    void closeForm(FormKind kind);
    void updateVoteFormInput();
    bool startJob(CommJob job);

    std::string directory_;
    centre::Centre centre_;
    FaultFile faults_;
    ClientTiming timing_;
    plat::Hwnd main_ = 0;
    std::array<Form*, kFormKinds> forms_{};
    std::array<bool, kFormKinds> opening_{};
    PendingBets pending_;
    std::optional<CommJob> job_;
    bool transferFails_ = false;
    int boxDepth_ = 0;
    std::vector<std::function<void()>> deferred_;
    std::map<plat::Uint, std::function<void()>> timers_;
    plat::Uint nextTimer_ = 1;
    bool quitting_ = false;
};

}  // namespace betclient

// The client's moves from form to form: login, terms, voting, information,
// exit.
#include <cstdio>

#include "betclient/centre/payout_file.h"
#include "betclient/centre/race_card_file.h"
#include "betclient/centre/text_io.h"
#include "betclient/client_app.h"
#include "betclient/forms/confirm_form.h"
#include "betclient/forms/info_form.h"
#include "betclient/forms/login_form.h"
#include "betclient/forms/menu_form.h"
#include "betclient/forms/result_form.h"
#include "betclient/forms/venue_guide_form.h"
#include "betclient/forms/vote_form.h"
#include "betclient/messages.h"

namespace betclient {

bool ClientApp::logIn(const std::string& userId, const std::string& password, const Form& from) {
    if (faults_.take(fault::kLoginRefused)) {
        box(&from, text::kErrorCaption, text::kLoginRefused, box::kNotice);
        return false;
    }
    if (!centre_.checkLogin(userId, password)) {
        box(&from, text::kErrorCaption, text::kLoginWrong, box::kNotice);
        return false;
    }
    return true;
}

void ClientApp::fetchTerms() {
    auto offerAgain = [this] {
        if (auto* login = form<LoginForm>(FormKind::Login)) login->offerTermsChoice();
    };
    startJob({"本日の投票要項を受信します。", FormKind::Login,
              [this, offerAgain] {
                  if (centre_.writeTerms(centre::clockHhmm())) {
                      finishLogin();
                      return;
                  }
                  boxOver(FormKind::Login, text::kErrorCaption, text::kTransferFailed, box::kNotice);
                  offerAgain();
              },
              offerAgain});
}

void ClientApp::finishLogin() {
    if (auto* login = form<LoginForm>(FormKind::Login)) login->leave();
    openForm(FormKind::Menu, [this] { return new MenuForm(*this); });
    openForm(FormKind::Venues, [this] { return new VenueGuideForm(*this); });
}

void ClientApp::openVote(int venue) {
    closeForm(FormKind::Venues);
    openForm(FormKind::Vote, [this, venue] { return new VoteForm(*this, venue); },
             [venue](Form& vote) { static_cast<VoteForm&>(vote).chooseVenue(venue); });
}

void ClientApp::openInfo() {
    openForm(FormKind::Info, [this] { return new InfoForm(*this); });
}

void ClientApp::openConfirm() {
    if (pending_.empty()) {
        boxOver(FormKind::Vote, text::kInfoCaption, text::kNothingToVote, box::kNotice);
        return;
    }
    openForm(FormKind::Confirm, [this] { return new ConfirmForm(*this); },
             [](Form& confirm) { static_cast<ConfirmForm&>(confirm).showTotals(); });
}

void ClientApp::pendingChanged() {
    if (auto* vote = form<VoteForm>(FormKind::Vote)) vote->showPending();
    if (auto* confirm = form<ConfirmForm>(FormKind::Confirm)) confirm->showTotals();
}

void ClientApp::submitVote() {
    // The bets as they stand now; bets added while the vote is on its way
    // stay pending.
    const std::vector<centre::Bet> bets = pending_.bets();
    startJob({"投票データを送信します。", FormKind::Confirm, [this, bets] { deliverVote(bets); }, {}});
}

void ClientApp::deliverVote(const std::vector<centre::Bet>& bets) {
    if (faults_.take(fault::kError11028)) {
        // Refused before the centre took anything: the form waits for the
        // total again and a forced vote.
        boxOver(FormKind::Confirm, text::kErrorCaption, text::kError11028, box::kError11028);
        if (auto* confirm = form<ConfirmForm>(FormKind::Confirm)) confirm->clearTotal();
        return;
    }
    const centre::Submission submission = centre_.submit(bets, centre::clockHhmm());
    if (!submission.record) {
        boxOver(FormKind::Confirm, text::kErrorCaption, text::kVoteRefused, box::kNotice);
        return;
    }
    const centre::VoteRecord record = *submission.record;
    pending_.removeFirst(bets.size());
    pendingChanged();
    closeForm(FormKind::Confirm);
    if (faults_.take(fault::kError10001)) {
        boxOver(FormKind::Vote, text::kErrorCaption, text::kError10001, box::kError10001);
        return;
    }
    int accepted = 0;
    for (const centre::VoteEntry& e : record.entries) accepted += e.status == centre::Acceptance::Accepted;
    char message[160];
    if (submission.saved) {
        std::snprintf(message, sizeof message, text::kAcceptedFormat, record.receiptNo, accepted);
    } else {
        std::snprintf(message, sizeof message, text::kAcceptedUnsavedFormat, record.receiptNo);
    }
    boxOver(FormKind::Vote, text::kInfoCaption, message, box::kVoteAccepted);
    openForm(FormKind::Result, [this] { return new ResultForm(*this); },
             [record](Form& result) { static_cast<ResultForm&>(result).showRecord(record); });
}

void ClientApp::transferInfo(const InfoSelection& selection) {
    startJob({"選択した情報を受信します。", FormKind::Info, [this, selection] {
                  const bool written = writeInfoFiles(selection);
                  if (auto* info = form<InfoForm>(FormKind::Info)) info->reset();
                  if (written) {
                      boxOver(FormKind::Info, text::kInfoCaption, text::kInfoReceived, box::kNotice);
                  } else {
                      boxOver(FormKind::Info, text::kErrorCaption, text::kTransferFailed, box::kNotice);
                  }
              },
              {}});
}

bool ClientApp::writeInfoFiles(const InfoSelection& selection) {
    const centre::Day& day = centre_.day();
    const int now = centre::clockHhmm();
    bool ok = true;
    for (const auto& [venue, kind] : selection.payouts) {
        const centre::Meeting* m = day.meetingAt(venue);
        if (!m) continue;
        ok = centre::writeLines(directory_ + centre::payoutFileName(day, *m, kind),
                                {centre::formatPayoutLine(day, *m, kind, now)}) && ok;
    }
    for (const auto& [venue, race] : selection.raceCards) {
        const centre::Meeting* m = day.meetingAt(venue);
        if (!m) continue;
        ok = centre::writeLines(directory_ + centre::raceCardFileName(*m, race), centre::formatRaceCard(day, *m, race)) && ok;
    }
    return ok;
}

void ClientApp::askQuit(const Form& from) {
    if (quitting_) return;
    if (box(&from, text::kInfoCaption, text::kQuitQuestion, box::kQuitQuestion) == plat::IDYES) {
        defer([this] { quit(); });
    }
}

void ClientApp::quit() {
    quitting_ = true;
    if (main_ != 0) plat::destroyWindow(main_);
}

}  // namespace betclient

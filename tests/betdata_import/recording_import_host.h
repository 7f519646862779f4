// An import host that records what the importers do and answers their
// questions from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "betdata/import_staged.h"
#include "base/voting_terms.h"

namespace importtest {

class RecordingImportHost : public betdata::StagedImportHost {
public:
    RecordingImportHost() { terms_.betsRemaining = base::kBetsPerDay; }

    base::VotingTerms& mutableTerms() { return terms_; }
    const base::VotingTerms& terms() const override { return terms_; }

    // Answers to the Yes/No questions in order; Yes when the script runs out.
    std::deque<bool> answers;
    std::vector<int> asked;  // ids of the questions asked
    std::vector<int> told;   // ids of the OK messages shown
    int statusShown = 0;
    int count = 0;           // the list count
    int total = 0;           // the list total, yen
    int headerMonth = 0, headerDay = 0;
    std::string betList;     // everything appended
    int appendCalls = 0;

    bool askYesNo(int messageId) override {
        asked.push_back(messageId);
        if (answers.empty()) return true;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void tell(int messageId) override { told.push_back(messageId); }
    void showStatus() override { ++statusShown; }
    int listCount() const override { return count; }
    void setListCount(int value) override { count = value; }
    void addToListTotal(int yen) override { total += yen; }
    void setHeaderMonth(int month) override { headerMonth = month; }
    void setHeaderDay(int day) override { headerDay = day; }
    void appendLines(const std::string& lines) override {
        betList += lines;
        ++appendCalls;
    }

    // The dispatcher's steps.
    bool optionsConfirmed = true;
    bool connectSucceeds = true;
    betdata::FhwarsOptions fhwars;
    betdata::DbmnOptions dbmn;
    int dialogsShown = 0, connects = 0, plainMoves = 0, reparses = 0;
    bool cancelled = false;

    bool confirmFhwarsOptions(betdata::FhwarsOptions& options) override {
        ++dialogsShown;
        options = fhwars;
        return optionsConfirmed;
    }
    bool confirmDbmnOptions(betdata::DbmnOptions& options) override {
        ++dialogsShown;
        options = dbmn;
        return optionsConfirmed;
    }
    bool connectClient() override {
        ++connects;
        return connectSucceeds;
    }
    void moveStagedTextToBetList() override { ++plainMoves; }
    void reparseNow() override { ++reparses; }
    void setImportCancelled() override { cancelled = true; }

private:
    base::VotingTerms terms_;
};

// Splits a sample text into staged lines (the edit's lines, without CR LF).
std::vector<std::string> stagedLines(const std::string& text);

void setTermsDate(base::VotingTerms& terms, int year, int month, int day);
// Puts a meeting into a slot and the terms in force; every race on sale
// with the given race sale code.
void addMeeting(base::VotingTerms& terms, int slot, int venue, int kai, int nichime,
                int raceSaleCode = base::kRaceQuinellaCode);

}  // namespace importtest

// A Notifier that shows nothing: it records every box and beep in order and
// answers questions by rule.  For batch runs and tests of logic that talks
// to the user.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/notifier.h"

namespace base {

class RecordingNotifier : public Notifier {
public:
    struct Event {
        bool isBeep = false;
        int id = 0;            // string-table id; 0 for plain texts
        std::string text;
        plat::Uint type = 0;   // box type or beep type
        int answer = 0;        // what the box returned
    };

    // Answer of Yes/No boxes without a rule of their own (default IDYES).
    void setDefaultQuestionAnswer(int answer) { defaultQuestionAnswer_ = answer; }
    void answerId(int id, int answer) { answers_[id] = answer; }

    int show(const std::string& text, plat::Uint type, plat::Uint id) override {
        int answer = plat::IDOK;
        if (auto it = answers_.find(static_cast<int>(id)); it != answers_.end())
            answer = it->second;
        else if ((type & plat::MB_TYPEMASK) == plat::MB_YESNO)
            answer = defaultQuestionAnswer_;
        events_.push_back({false, static_cast<int>(id), text, type, answer});
        return answer;
    }
    void beep(plat::Uint type) override { events_.push_back({true, 0, {}, type, 0}); }

    const std::vector<Event>& events() const { return events_; }
    // The ids of the boxes shown, in order (beeps left out).
    std::vector<int> boxIds() const {
        std::vector<int> ids;
        for (const Event& e : events_)
            if (!e.isBeep) ids.push_back(e.id);
        return ids;
    }
    void clear() { events_.clear(); }

private:
    int defaultQuestionAnswer_ = plat::IDYES;
    std::map<int, int> answers_;
    std::vector<Event> events_;
};

}  // namespace base

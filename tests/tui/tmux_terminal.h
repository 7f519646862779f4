// A real terminal for the front end: a tmux server of its own (Debian's
// tmux) with one pane of a given size running a command, keys sent to it
// with send-keys, bracketed pastes with paste-buffer -p, and its screen read
// with capture-pane.  Waiting is polling the screen against the wall clock:
// the program runs in real time there, at a speed that keeps it short.
#pragma once

#include <condition_variable>  // std::chrono (its own header cannot be compiled to CP932)
#include <functional>
#include <string>
#include <vector>

namespace tuitest {

class TmuxTerminal {
public:
    TmuxTerminal(int width, int height);
    ~TmuxTerminal();
    TmuxTerminal(const TmuxTerminal&) = delete;
    TmuxTerminal& operator=(const TmuxTerminal&) = delete;

    // Starts the command (a shell command line) in the pane, with UTF-8 and
    // Japan's time; when it ends the pane shows "exited N".
    bool start(const std::string& command);

    // The rows of the screen (UTF-8, trailing blanks dropped).
    std::vector<std::string> screen() const;
    std::string screenText() const;  // rows joined by '\n'

    // Polls the screen until pred holds or the wall time runs out.
    bool waitUntil(const std::function<bool(const std::vector<std::string>&)>& pred,
                   std::chrono::milliseconds limit = std::chrono::seconds(20)) const;
    bool waitFor(const std::string& utf8, std::chrono::milliseconds limit = std::chrono::seconds(20)) const;
    bool waitGone(const std::string& utf8, std::chrono::milliseconds limit = std::chrono::seconds(20)) const;

    void keys(const std::vector<std::string>& names) const;  // send-keys key names: Enter, Tab, C-q, F2
    void text(const std::string& utf8) const;                // send-keys -l
    void paste(const std::string& utf8) const;               // a bracketed paste
    void resize(int width, int height) const;

private:
    int run(const std::string& arguments, std::string* out = nullptr) const;
    std::string socket_;
    int width_;
    int height_;
};

// Whether a row of the screen holds the text.
bool shows(const std::vector<std::string>& rows, const std::string& utf8);

// A shell word for a string.
std::string quoted(const std::string& text);

}  // namespace tuitest

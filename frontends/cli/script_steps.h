// The steps of an `ornel sim script` script: one step per line, `#` starts
// a comment (at the start of a line or after a blank), blank lines are
// skipped.  Words are separated by blanks; a word may be written in double
// quotes to hold blanks (\" and \\ inside).  In the texts of `type`, `paste`
// and `field`, \n stands for a line end and \\ for a backslash.
//
//   at HH:MM[:SS]          wait until that time of the day the script starts on
//   wait N | Ns | Nm       wait N seconds (or minutes)
//   idle                   wait until no run lasts and nothing is open
//   click CAPTION          press the main window's button with that caption
//   command ID             choose a command from the window's menus
//   type TEXT              type into the BetList at its caret
//   paste TEXT             paste with Ctrl+V
//   drop FILE NAME         put FILE into the bet-file directory as NAME
//   answer MATCH REPLY     the reply to the next box or dialog MATCH matches
//   field MATCH ID VALUE   a control's value in the next dialog MATCH matches
//   close                  ask the main window to close
//   show                   print the window's state
//
// Texts are Shift-JIS here (the command converts a UTF-8 script first).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

struct ScriptStep {
    enum class Kind { At, Wait, Idle, Click, Command, Type, Paste, Drop, Answer, Field, Close, Show };
    Kind kind = Kind::Show;
    int line = 0;              // 1-based line number in the script
    std::int64_t seconds = 0;  // At: seconds after midnight; Wait: seconds to wait
    int id = 0;                // Command: the command; Field: the control
    std::string caption;       // Click: the button's caption
    std::string text;          // Type, Paste: the text; Field: the value; Answer: the reply
    std::string match;         // Answer, Field: what the box or dialog must begin with
    std::string file;          // Drop: FILE as written
    std::string name;          // Drop: NAME
};

// The captions `click` takes: the main window's buttons in all their states.
extern const std::vector<std::string> kScriptButtonCaptions;

// Where a file a step names is: relative to the script's folder (with its
// trailing '/'), or as given when absolute.
std::string ScriptFilePath(const std::string& scriptDir, const std::string& file);

// Parses a whole script.  False with "line N: reason" in error for the
// first line that cannot be read.
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error);

}  // namespace cli

// What of a bet text the bet list keeps, and telling the person what it did
// not.  The text goes into the list's edit control as one insertion: the
// control takes the text up to its first NUL byte, and at most the list's
// limit of bytes (never half a character or half a CR LF).
#pragma once

#include <cstddef>
#include <string>

namespace simhome {
class ProgramRun;
}

namespace cli {

// The number of leading bytes of text (CR LF line ends) that the empty bet
// list keeps, measured with an edit control of the list's kind.  Call on a
// simulated thread.
std::size_t bytesTheListKeeps(const std::string& text);

// The message for the part of text after its first `kept` bytes ("" when
// nothing was left out): how many bytes, from which line on, and why.
std::string droppedInputMessage(const std::string& text, std::size_t kept);

// Writes "ornel NAME: MESSAGE" on standard error when text was cut.
void reportDroppedInput(const std::string& name, const std::string& text, std::size_t kept);
// The same for text about to go into the program's list: measured on the
// program's desktop as its user.  False when the desktop did not let the
// user act.
bool reportDroppedInput(const std::string& name, const std::string& text, simhome::ProgramRun& run);

}  // namespace cli

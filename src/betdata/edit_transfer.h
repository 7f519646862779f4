// Moving text into, out of and between multi-line edit controls (the
// BetList and the staging edit) with the edits' own messages, so the user's
// clipboard is never touched.
#pragma once

#include <string>
#include <vector>

#include "platform/wintypes.h"

namespace betdata {

// Every line of the edit as the edit itself breaks them, without the line
// breaks (an edit ending in CR LF has an empty last line).
std::vector<std::string> EditLines(plat::Hwnd edit);

void ClearEdit(plat::Hwnd edit);
// Appends text at the very end.
void AppendToEdit(plat::Hwnd edit, const std::string& text);
// Inserts text at the start of the last line, i.e. after the last complete
// line: a partly typed last line stays last.
void InsertAfterLastCompleteLine(plat::Hwnd edit, const std::string& text);
// Removes the text from the start of line `line` to the end and returns it.
std::string CutFromLine(plat::Hwnd edit, int line);
// The whole text.
std::string EditText(plat::Hwnd edit);

void SetCaret(plat::Hwnd edit, int position);
void SetCaretToStart(plat::Hwnd edit);
void SetCaretToEnd(plat::Hwnd edit);
int EditLineCount(plat::Hwnd edit);
// The line holding the caret.
int CaretLine(plat::Hwnd edit);

}  // namespace betdata

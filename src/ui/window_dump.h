// The window dump: the betting client's windows, with class, caption,
// rectangles, styles and relations, appended to "WinSnap.Txt" at the root of
// the drive, so that what the client shows can be compared with what the
// driver expects.  Nothing in the program reads the file.
#pragma once

#include <cstdint>

#include "platform/files.h"
#include "platform/wintypes.h"

namespace ui {

constexpr const char* kDumpFileName = "WinSnap.Txt";
// Two blanks per level; deeper windows are written with the indentation of
// this depth, so an indentation never exceeds 2 * kMaxDumpDepth bytes.
constexpr int kMaxDumpDepth = 127;

// Appends one block for the client's windows, headed by the program clock.
// Without the client's main window, or when the file cannot be opened,
// nothing is written.
void DumpClientWindows(std::int64_t programClock);

// Writes window and everything below it: its children (one level deeper),
// then each of the client's message boxes that it owns, at depth 0.
void DumpWindowTree(plat::TextFile& file, int depth, plat::Hwnd window);

// One line: indentation and handle, class, caption, window and client
// rectangles, style, extended style, owner (twice), parent, first child,
// previous and next sibling, control id.
void DumpWindowLine(plat::TextFile& file, int depth, plat::Hwnd window);

}  // namespace ui

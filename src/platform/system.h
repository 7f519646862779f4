// Sound, processes, power, the help viewer and LHA extraction.
#pragma once

#include <string>

#include "platform/wintypes.h"

namespace plat {

// Plays a wave file (SND_ASYNC | SND_NODEFAULT as the program uses it).
bool playSound(const std::string& path, Uint flags);

// Opens a file with the program registered for it.  Returns a value above 32
// when the program was started, 32 or less otherwise (2: file not found,
// 31: nothing registered).
int shellExecute(Hwnd owner, const std::string& verb, const std::string& file,
                 const std::string& parameters, const std::string& directory, int showCommand);

// Asks the system to end the session (EWX_POWEROFF).
bool exitWindows(Uint flags);

// Opens the help viewer on a help file (HELP_FINDER) or tells it to quit
// (HELP_QUIT).
bool winHelp(Hwnd owner, const std::string& helpFile, Uint command);

// LHA archive library, in the three calls the race-card import makes.
unsigned lhaGetVersion();
bool lhaGetRunning();
// Runs an archiver command line such as "e ARCHIVE DIR\\ MEMBER" (extract
// MEMBER of ARCHIVE into DIR); 0 on success.
int lhaCommand(Hwnd owner, const std::string& commandLine, std::string& output);

}  // namespace plat

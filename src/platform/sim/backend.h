// What the parts of the simulated desktop's backend need of one another.
// Internal to src/platform/sim; never included by Ornel or the client.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/sim/desktop.h"
#include "platform/wintypes.h"

namespace sim {

// Details a modal window carries for the user and the trace (set by the
// message box and the open-file dialog before they enter their modal loop;
// dialogs from templates carry none and are described from their controls).
struct ModalDetails {
    std::string text;
    plat::Uint type = 0;
    plat::Uint helpId = 0;
    bool isMessageBox = false;
    bool isOpenFile = false;
    bool isMenu = false;
    std::vector<std::pair<int, std::string>> menuItems;
    std::vector<bool> menuGreyed;
    std::string filter;
    std::string defaultExtension;
    std::string fileName;
};
void setModalDetails(plat::Hwnd window, const ModalDetails& details);

// The program the calling thread belongs to ("" on the harness thread), its
// executable's full path ("" when started without one), and the program that
// owns a window.
std::string currentProgramName();
std::string currentProgramExePath();
std::string windowProgramName(plat::Hwnd window);

// Registers "Edit", "Button", "ComboBox", "Static" and "#32770" with their
// procedures; the desktop calls it when it is created.
void registerStandardClasses();

// Tracks the window's system menu at its top-left corner, below its caption
// (as Alt+Space or F10 opens it); a chosen entry is posted to the window as
// WM_SYSCOMMAND.  Returns on the window's thread once the menu is closed.
void trackSystemMenu(plat::Hwnd window);

// The clipboard of the desktop (text only).
std::string& clipboardText();

}  // namespace sim

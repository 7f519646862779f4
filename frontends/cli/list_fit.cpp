#include "frontends/cli/list_fit.h"

#include <algorithm>
#include <cstdio>

#include "frontends/simhome/program_run.h"
#include "platform/window.h"
#include "ui/main_window_layout.h"

namespace cli {

namespace {

// The list's kind of edit: multi-line, letters upper-cased.
constexpr plat::Dword kListStyle = plat::WS_VISIBLE | plat::ES_MULTILINE | plat::ES_UPPERCASE |
                                   plat::ES_AUTOVSCROLL | plat::ES_WANTRETURN;

std::size_t lineCount(const std::string& text, std::size_t from, std::size_t to) {
    return static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(from),
                                               text.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
}

}  // namespace

std::size_t bytesTheListKeeps(const std::string& text) {
    plat::CreateParams params;
    params.className = "Edit";
    params.style = kListStyle;
    const plat::Hwnd edit = plat::createWindow(params);
    if (edit == 0) return text.size();
    plat::sendMessage(edit, plat::EM_LIMITTEXT, static_cast<plat::Wparam>(ui::kListTextLimit), 0);
    plat::sendMessage(edit, plat::EM_REPLACESEL, 0, reinterpret_cast<plat::Lparam>(text.c_str()));
    const auto kept = static_cast<std::size_t>(plat::sendMessage(edit, plat::WM_GETTEXTLENGTH, 0, 0));
    plat::destroyWindow(edit);
    return kept;
}

std::string droppedInputMessage(const std::string& text, std::size_t kept) {
    if (kept >= text.size()) return {};
    const std::size_t firstLine = lineCount(text, 0, kept) + 1;
    // Lines of the text from the first cut one on; a last line without a
    // line end counts too.
    const std::size_t lines = lineCount(text, kept, text.size()) + (text.back() == '\n' ? 0 : 1);
    const bool atNul = text.find('\0') == kept;
    return "dropped " + std::to_string(text.size() - kept) + " bytes (" + std::to_string(lines) +
           (lines == 1 ? " line" : " lines") + ") from line " + std::to_string(firstLine) + " on: " +
           (atNul ? "a NUL byte ends the text"
                  : "the bet list holds at most " + std::to_string(ui::kListTextLimit) + " bytes");
}

void reportDroppedInput(const std::string& name, const std::string& text, std::size_t kept) {
    const std::string message = droppedInputMessage(text, kept);
    if (!message.empty()) std::fprintf(stderr, "ornel %s: %s\n", name.c_str(), message.c_str());
}

bool reportDroppedInput(const std::string& name, const std::string& text, simhome::ProgramRun& run) {
    std::size_t kept = text.size();
    if (!run.asUser([&] { kept = bytesTheListKeeps(text); })) return false;
    reportDroppedInput(name, text, kept);
    return true;
}

}  // namespace cli

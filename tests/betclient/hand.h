// A hand on the client's windows: finds controls the way the program that
// operates the client searches for them (by class, caption, caption prefix
// and design position scaled to the form's measured size) and works them
// only as a mouse and keyboard would — posted mouse messages at the point,
// WM_CHAR, arrow keys, BM_SETCHECK.  Every function runs on a simulated
// thread (inside Desktop::call) and waits with plat::sleep.
#pragma once

#include <string>

#include "platform/window.h"

namespace hand {

using plat::Hwnd;

constexpr const char* kForm = "ThunderRTForm";
constexpr const char* kBox = "#32770";
constexpr std::uint32_t kStep = 100;     // polling step and pause between messages
constexpr std::uint32_t kWait = 5000;    // default time-out

// The scale of a form (window size / design size); boxes raised by a form
// are looked at with that form's scale.
void calibrate(const char* className, const char* caption, int designWidth, int designHeight);
plat::Point scaled(int x, int y);
// The factors in force, to come back to later.
struct Factors {
    double x = 1.0, y = 1.0;
};
Factors factors();
void useFactors(Factors f);

Hwnd waitTop(const char* className, const char* caption, std::uint32_t timeoutMs = kWait);
bool waitGone(const char* className, const char* caption, std::uint32_t timeoutMs = kWait);

// The searches, with a design point of the top window (scaled here).
Hwnd findByCaption(const char* className, const char* caption, int x, int y, const std::string& prefix);
Hwnd findByClass(const char* className, const char* caption, int x, int y, const std::string& classPrefix);
// A childless window whose client area holds the point.
Hwnd findAt(const char* className, const char* caption, int x, int y);
// Descending by window rectangles from the top window alone.
Hwnd findDeepestAt(const char* className, const char* caption, int x, int y);
// The same search as findByCaption, started at `from` with a point relative
// to from's window rectangle (pixels, not scaled).
Hwnd searchByCaption(Hwnd from, int x, int y, const std::string& prefix);
Hwnd waitByCaption(const char* className, const char* caption, int x, int y, const std::string& prefix,
                   std::uint32_t timeoutMs = kWait);

// Mouse: move, down, up at a client point of the window.
void clickAt(Hwnd window, plat::Point client);
// The point given relative to `top`'s window rectangle, in window's client coordinates.
plat::Point clientPoint(Hwnd top, Hwnd window, plat::Point inTop);
// Finds the control at the design point and clicks it there; false when
// there is none or it is disabled.
bool click(const char* className, const char* caption, int x, int y, const std::string& prefix);
void type(Hwnd window, const std::string& bytes);
bool typeAt(const char* className, const char* caption, int x, int y, const std::string& bytes);
void pressKey(Hwnd window, plat::Wparam key, int times = 1);
// BM_SETCHECK on the option at the point, when it is enabled.
bool check(const char* className, const char* caption, int x, int y, const std::string& prefix);
// On the vote form: the frame's first child is a drop-down list; click it
// at the point and move to the item with arrow keys.
bool selectItem(const char* caption, const std::string& framePrefix, const std::string& item, int x, int y);
// Moves a drop-down list's selection to the item with arrow keys.
bool moveToItem(Hwnd combo, const std::string& item);
bool waitHidden(Hwnd window, std::uint32_t timeoutMs = kWait);

// The whole text of a control.
std::string text(Hwnd window);
// A box's text control, by the text's prefix at the design point.
Hwnd boxText(const char* caption, int x, int y, const std::string& prefix, std::uint32_t timeoutMs = kWait);
// Clicks a button of a box at its design point.
bool answerBox(const char* caption, int x, int y, const std::string& button);
// Clicks the first control of the top window whose caption starts with the
// prefix, wherever it is (at its middle).
bool clickAnywhere(const char* className, const char* caption, const std::string& prefix);

}  // namespace hand

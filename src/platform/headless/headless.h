// What native tests can do with the headless backend beyond the seam: a virtual clock, the window
// tree, and a reset between tests.
//
// What it imitates (each measured under Wine where a test says so, tests/unit runs on both):
// - windows: sizes and frames of top-level windows, client areas, visibility, enabling, focus
//   (kill focus before set focus), destroy messages parent first, enumeration depth first in creation
//   order, move then size messages, timers raised to at least 10 ms, paint and timers only when no
//   message is posted; a tick already due when its timer is killed or set again stays queued and is
//   delivered (Windows documents this; the toolkit must drop it itself);
// - the modal loops of message boxes and file dialogs: a box or dialog answered with a scripted time
//   (answerNextBoxAfter, answerNextFileDialog) stays up that long on the virtual clock while posted
//   messages, paint and due timers are dispatched, so jobs run under it; one without a time returns
//   at once;
// - mouse input by screen point: the deepest visible window under the point gets it, clipped by every
//   parent's client area; of overlapping siblings the first created is on top; a disabled child is
//   passed over (the window below it gets the input), a disabled top-level window swallows it; frames
//   take it as non-client (nothing is sent); leave tracking follows the window under the pointer;
// - activation: a top-level window shown or made the foreground takes the focus;
// - Alt with a key as a system key (to the focused or else the active window); Alt+F4 becomes the close
//   system command of the top-level window, which default processing turns into the close message;
// - keys to the focused window, translated to characters for letters, digits, space, Enter, Tab,
//   backspace, '-', '.', and any character typed with testing::typeText (Windows' packet key);
// - the edit control: typing, selection, the change report for each change and for a text set into
//   a single-line control (not a multi-line one), Enter and Tab refused by a single-line control,
//   the digits-only style, read-only; what it refuses is recorded (Windows beeps); it takes text past
//   its width whatever its style (Windows stops a field without auto-scroll there: tests/unit shows it);
// - files (headless_port.h): the read-only attribute (no opening for writing, replacing, deleting) and
//   the sharing of each open handle with the others, refused with 5 and 32 as Windows does;
// - the move/size loop's messages for testing::userResize, message boxes answered from a script;
// - a box with an owner disables the owner's top-level window while it is up (a click on it is
//   dropped), a box without one leaves every window usable.
//
// What it does not: painting to a screen (surfaces record drawing, see headless_graphics.h), z order
// changes of child windows, mouse capture, double clicks, the wheel, non-client messages, hover,
// caret and scrolling, clipboard, shortcuts and balloons of the edit control, the focus moving to
// a box, the real frame drag, keyboard layouts (shift with
// digits gives nothing). A test that depends on one of these belongs in tests/windows or in
// tests/unit, where it also runs under Wine.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor::platform::headless {

// Destroys every window (without messages; a handle a widget still holds stays dead for good),
// empties the queue, stops all timers, forgets the class registration, the focus, unused message box
// answers and refused characters, and sets the clock back to 0. Ports and files: resetPorts.
void reset();

std::uint64_t now();                 // virtual milliseconds since the last reset
void advanceClock(std::uint32_t ms); // moves the clock only; timers become due, nothing is dispatched

std::vector<WindowHandle> liveWindows();
bool isInvalidated(WindowHandle window);
std::u16string className(WindowHandle window);
Point editMargins(WindowHandle edit); // x: left, y: right
std::uint32_t windowStyle(WindowHandle window);
std::uint32_t windowExStyle(WindowHandle window);
bool isTimerRunning(WindowHandle window, std::uintptr_t identifier);
std::uint32_t timerPeriod(WindowHandle window, std::uintptr_t identifier);
std::size_t queuedMessages();
// Characters edit controls refused since the reset (Windows beeps for each): Enter and Tab in a
// single-line control, anything but a digit in a digits-only one.
std::u16string refusedCharacters();
void setScreenSize(std::int32_t width, std::int32_t height);

} // namespace zor::platform::headless

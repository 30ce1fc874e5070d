// Input and time for tests, on either backend: the headless backend synthesises the messages Windows
// would send; the win32 backend drives the real input system and the real clock.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <initializer_list>

namespace zor::platform::testing {

// Mouse positions are in the client coordinates of the window.
void mouseMove(WindowHandle window, std::int32_t x, std::int32_t y);
void leftDown(WindowHandle window, std::int32_t x, std::int32_t y);
void leftUp(WindowHandle window, std::int32_t x, std::int32_t y);
void rightDown(WindowHandle window, std::int32_t x, std::int32_t y);
void rightUp(WindowHandle window, std::int32_t x, std::int32_t y);
// Moves the pointer off every window of the program.
void mouseAway();

// Keys go to the window that has the focus.
void keyDown(std::uint32_t virtualKey);
void keyUp(std::uint32_t virtualKey);
void setShift(bool down);
// Alt held: keys come as system keys, and Alt+F4 closes the active top-level window.
void setAlt(bool down);
// Types the text into the window that has the focus, one character at a time, as characters given
// directly rather than as keys: each is a key-down and key-up of key::Packet that translation turns
// into the character. An edit control reports each change as it does for typing.
void typeText(const char16_t* text);

// The user drags the frame of a top-level window to an outer size of width x height and lets go: the
// move/size loop starts, the window is resized (size message), the loop ends (the toolkit's onResized
// runs then). On Windows this sends the loop's messages; it does not drag the real frame.
void userResize(WindowHandle window, std::int32_t width, std::int32_t height);

// Answers for the next message boxes, in order (box::AnswerOk, box::AnswerCancel...). A box with no
// scripted answer left is answered OK (headless) or waits for one (Windows: the test script must
// answer every box it causes). Answers not used are forgotten by destroyAllWindows.
void answerNextBoxes(std::initializer_list<std::int32_t> answers);

std::uint64_t clockMs();
// Waits until something may have arrived, at most maxMs (headless: lets virtual time pass to the
// next due timer).
void waitForEvents(std::uint32_t maxMs);
// Lets time pass without handling any message, as a program busy elsewhere does: timers fall due and
// their messages wait in the queue (headless: moves the virtual clock).
void letTimePass(std::uint32_t ms);
// Destroys every window the test left behind.
void destroyAllWindows();

} // namespace zor::platform::testing

// Input and time for tests, on either backend: the headless backend synthesises the messages Windows
// would send; the win32 backend drives the real input system and the real clock.
#pragma once

#include "platform/types.h"

#include <cstdint>

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

std::uint64_t clockMs();
// Waits until something may have arrived, at most maxMs (headless: lets virtual time pass to the
// next due timer).
void waitForEvents(std::uint32_t maxMs);
// Destroys every window the test left behind.
void destroyAllWindows();

} // namespace zor::platform::testing

// What native tests can do with the headless backend beyond the seam: a virtual clock, the window
// tree, and a reset between tests. The window system here keeps real state (sizes, focus, timers,
// visibility) and sends its messages in the order Windows does.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor::platform::headless {

// Destroys every window (without messages), empties the queue, stops all timers, forgets the class
// registration and the focus, sets the clock back to 0, and forgets every port, device and file.
void reset();

std::uint64_t now();                 // virtual milliseconds since the last reset
void advanceClock(std::uint32_t ms); // moves the clock only; timers become due, nothing is dispatched

// The window that gets mouse input at a point: the deepest visible window under it.
std::vector<WindowHandle> liveWindows();
bool isInvalidated(WindowHandle window);
std::u16string className(WindowHandle window);
std::uint32_t windowStyle(WindowHandle window);
std::uint32_t windowExStyle(WindowHandle window);
bool isTimerRunning(WindowHandle window, std::uintptr_t identifier);
std::uint32_t timerPeriod(WindowHandle window, std::uintptr_t identifier);
std::size_t queuedMessages();
void setScreenSize(std::int32_t width, std::int32_t height);

} // namespace zor::platform::headless

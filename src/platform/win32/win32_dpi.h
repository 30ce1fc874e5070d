// The screen's scale. Everything above the seam works in the 96-DPI units of the form's fixed layout;
// this backend turns them into the monitor's pixels on the way down (positions, sizes, back buffers,
// copies, the edit control's font, a scale on every drawing surface) and back on the way up (window
// rectangles, pointer positions, sizes in messages).
#pragma once

#include <windows.h>

#include <cstdint>

namespace zor::platform::win32 {

inline constexpr int layoutDpi = 96;

// The DPI the windows are laid out for: the system's at start, the monitor's after a move.
int currentDpi();
void setCurrentDpi(int dpi);
// The system DPI, fixed for the process: GDI+ turns points into pixels with it.
int systemDpi();

std::int32_t toDevice(std::int32_t layoutUnits);
std::int32_t toLayout(std::int32_t devicePixels);

// A message's packed position or size (two signed 16-bit halves) in layout units.
LPARAM packedToLayout(LPARAM devicePacked);

} // namespace zor::platform::win32

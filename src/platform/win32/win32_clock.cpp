// The steady clock: milliseconds of the performance counter. The tick count moves in steps of about
// 16 ms on most machines, too coarse for the 10 ms the firmware update keeps after each answer.
#include "platform/clock.h"

#include <windows.h>

namespace zor::platform {

std::uint32_t tickCountMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    const std::uint64_t perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
    const std::uint64_t ticks = static_cast<std::uint64_t>(counter.QuadPart);
    return static_cast<std::uint32_t>(ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond);
}

} // namespace zor::platform

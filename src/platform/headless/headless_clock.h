// The virtual clock of the headless backend, in milliseconds since the last reset. It belongs to the
// in-memory ports (their reads move it by their time-outs) and is shared with the window system's
// timers, so the ports stay a library of their own.
#pragma once

#include <cstdint>

namespace zor::platform::headless_detail {

std::uint64_t& virtualClock();

} // namespace zor::platform::headless_detail

// The steady clock: milliseconds of the monotonic clock.
#include "platform/clock.h"

#include <chrono>

namespace zor::platform {

std::uint32_t tickCountMs() {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

} // namespace zor::platform

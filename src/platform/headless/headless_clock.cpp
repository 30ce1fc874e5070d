// The virtual clock of the headless backend; it is also the platform's steady clock there.
#include "platform/headless/headless_clock.h"

#include "platform/clock.h"

namespace zor::platform::headless_detail {

std::uint64_t& virtualClock() {
    static std::uint64_t clock = 0;
    return clock;
}

} // namespace zor::platform::headless_detail

namespace zor::platform {

std::uint32_t tickCountMs() {
    return static_cast<std::uint32_t>(headless_detail::virtualClock());
}

} // namespace zor::platform

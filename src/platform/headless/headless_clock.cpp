#include "platform/headless/headless_clock.h"

namespace zor::platform::headless_detail {

std::uint64_t& virtualClock() {
    static std::uint64_t clock = 0;
    return clock;
}

} // namespace zor::platform::headless_detail

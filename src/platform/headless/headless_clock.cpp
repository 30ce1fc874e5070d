// The steady clock of the headless backend is its virtual clock.
#include "platform/clock.h"
#include "platform/headless/headless.h"

namespace zor::platform {

std::uint32_t tickCountMs() {
    return static_cast<std::uint32_t>(headless::now());
}

} // namespace zor::platform

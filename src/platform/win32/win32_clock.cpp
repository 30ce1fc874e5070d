// The steady clock: milliseconds since the system started.
#include "platform/clock.h"

#include <windows.h>

namespace zor::platform {

std::uint32_t tickCountMs() {
    return static_cast<std::uint32_t>(GetTickCount64());
}

} // namespace zor::platform

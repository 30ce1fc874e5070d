// A steady millisecond clock for the bounded waits of the converter exchanges. Only differences are
// used, so its wrapping after about 49 days is harmless. Headless: the virtual clock.
#pragma once

#include <cstdint>

namespace zor::platform {

std::uint32_t tickCountMs();

} // namespace zor::platform

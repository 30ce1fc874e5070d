// Reading back what was drawn, for tests, on either backend.
#pragma once

#include "platform/types.h"

#include <cstdint>

namespace zor::platform::testing {

// The colour of one pixel of the bitmap selected into a DC, as opaque 0xFFRRGGBB; 0 outside the
// bitmap or when it cannot be read.
std::uint32_t surfacePixel(SurfaceHandle surface, std::int32_t x, std::int32_t y);

} // namespace zor::platform::testing

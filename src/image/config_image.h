// ConfigImage: the bytes of one main function's settings, tag first and "END" last.
#pragma once

#include "image/image_layout.h"

#include <array>
#include <cstdint>

namespace zor {

struct ConfigImage {
    std::array<std::uint8_t, largestImageLength> bytes{};
    std::int32_t length = 0; // 326, 80 or 18
};

} // namespace zor

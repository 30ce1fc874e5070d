// Pixels read back from a DC on Windows.
#include "platform/test_pixels.h"
#include "platform/win32/win32_handles.h"

namespace zor::platform::testing {

using namespace win32;

std::uint32_t surfacePixel(SurfaceHandle s, std::int32_t x, std::int32_t y) {
    const COLORREF value = GetPixel(hdc(s), x, y);
    if (value == CLR_INVALID) return 0;
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(value)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(value)) << 8) | GetBValue(value);
}

} // namespace zor::platform::testing

#include "platform/win32/win32_dpi.h"

namespace zor::platform::win32 {
namespace {

int readSystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : layoutDpi;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : layoutDpi;
}

int& dpiInUse() {
    static int dpi = systemDpi();
    return dpi;
}

} // namespace

int systemDpi() {
    static const int dpi = readSystemDpi();
    return dpi;
}

int currentDpi() {
    return dpiInUse();
}

void setCurrentDpi(int dpi) {
    if (dpi > 0) dpiInUse() = dpi;
}

std::int32_t toDevice(std::int32_t layoutUnits) {
    const int dpi = currentDpi();
    return dpi == layoutDpi ? layoutUnits : MulDiv(layoutUnits, dpi, layoutDpi);
}

std::int32_t toLayout(std::int32_t devicePixels) {
    const int dpi = currentDpi();
    return dpi == layoutDpi ? devicePixels : MulDiv(devicePixels, layoutDpi, dpi);
}

LPARAM packedToLayout(LPARAM devicePacked) {
    if (currentDpi() == layoutDpi) return devicePacked;
    const auto x = static_cast<std::int16_t>(LOWORD(devicePacked));
    const auto y = static_cast<std::int16_t>(HIWORD(devicePacked));
    const auto lx = static_cast<std::uint16_t>(static_cast<std::int16_t>(toLayout(x)));
    const auto ly = static_cast<std::uint16_t>(static_cast<std::int16_t>(toLayout(y)));
    return static_cast<LPARAM>(MAKELONG(lx, ly));
}

} // namespace zor::platform::win32

// The "Converter State" indicators: one light per bit of converterStateFlags, red and blinking for a
// set bit. Bit 0 ("IO") also takes the control output and averaging groups out of use.
#pragma once

#include <array>
#include <cstdint>

namespace zor {

inline constexpr std::int32_t indicatorCount = 7;

inline constexpr std::uint32_t indicatorRed = 0xFFFF0000;
inline constexpr std::uint32_t indicatorGreen = 0xFF008000;

struct IndicatorLight {
    std::uint32_t colour = indicatorGreen;
    bool blinking = false;
};

struct ConverterStateView {
    std::array<IndicatorLight, indicatorCount> lights{};
    bool controlOutputEnabled = true; // "Control Output Parameters"
    bool averagingDisabled = false;   // "Averaging" is disabled when set and left as it was otherwise
};

ConverterStateView ConverterStateDisplay(std::int32_t converterStateFlags);

// One 300 ms tick: lights not blinking turn green; blinking ones alternate between red and the
// "Comm Port" group's background.
void BlinkTick(std::array<IndicatorLight, indicatorCount>& lights, std::uint32_t background);

} // namespace zor

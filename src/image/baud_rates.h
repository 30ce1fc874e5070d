// The baud rates a Modbus or serial main function offers. The image carries the choice as its index,
// counted from 1; the window's radios, zor-config's text and the settings text all read this table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zor {

inline constexpr std::int32_t baudChoiceCount = 5;
inline constexpr std::array<std::int32_t, baudChoiceCount> baudRates = {1200, 2400, 4800, 9600, 19200};
// 9600 baud, the choice of a fresh form.
inline constexpr std::int32_t startBaudIndex = 4;

// The rate of an index 1..baudChoiceCount; nothing for any other.
constexpr std::optional<std::int32_t> BaudRateOfIndex(std::int32_t index) {
    if (index < 1 || index > baudChoiceCount) return std::nullopt;
    return baudRates[static_cast<std::size_t>(index - 1)];
}

} // namespace zor

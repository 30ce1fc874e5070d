// The single-byte commands the converter obeys without answering, and the byte that ends a firmware
// update. Free of windows: the window and zor-config send the same bytes.
#pragma once

#include <cstdint>

namespace zor {

inline constexpr std::uint8_t restartCommand = 'b';
inline constexpr std::uint8_t testLedsCommand = 'l';
inline constexpr std::uint8_t startStreamingCommand = 's';
inline constexpr std::uint8_t stopStreamingCommand = 'x';
inline constexpr std::uint8_t endOfFirmwareCommand = 255;

} // namespace zor

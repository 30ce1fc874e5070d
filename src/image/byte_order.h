// The two integer encodings of the images: I32 little-endian for everything of the NMEA image, U16
// big-endian for the Modbus numbers. Callers pass positions that lie inside their buffers.
#pragma once

#include <cstdint>

namespace zor {

inline void WriteI32(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(bits);
    at[1] = static_cast<std::uint8_t>(bits >> 8);
    at[2] = static_cast<std::uint8_t>(bits >> 16);
    at[3] = static_cast<std::uint8_t>(bits >> 24);
}

inline std::int32_t ReadI32(const std::uint8_t* at) {
    const std::uint32_t bits = static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
                               (static_cast<std::uint32_t>(at[2]) << 16) |
                               (static_cast<std::uint32_t>(at[3]) << 24);
    return static_cast<std::int32_t>(bits);
}

inline void WriteU16BE(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

inline std::uint16_t ReadU16BE(const std::uint8_t* at) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(at[0]) << 8) | at[1]);
}

} // namespace zor

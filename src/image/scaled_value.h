// Thresholds and hystereses travel as integers: the value times 10 to the power of thresholdDecimals.
#pragma once

#include <cstdint>
#include <optional>

namespace zor {

// The integer sent for a value: the decimal number the float stands for (its shortest text that reads
// back as the same float) times 10^decimals, truncated toward zero. Scaling the decimal instead of the
// binary float keeps a value read from the converter unchanged when it is sent back (0.29 held as
// 0.28999999 still goes out as 29). Results beyond the 32-bit range are clamped to the nearest limit;
// a value that is not a number is sent as 0.
std::int32_t ScaleForImage(float value, std::int32_t decimals);
// The same integer, or nothing when the value is not a number or its integer is beyond the 32-bit range:
// such a value cannot be sent as it stands.
std::optional<std::int32_t> ScaleForImageExact(float value, std::int32_t decimals);

// The value of a received integer: converted to float, divided by 10^decimals in extended precision
// and stored as float. Any decimals count takes bounded time: beyond 60 places either way the result
// is 0 or infinite, and the power is not computed.
float ScaleFromImage(std::int32_t scaled, std::int32_t decimals);

} // namespace zor

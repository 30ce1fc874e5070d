#include "image/scaled_value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zor {
namespace {

constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();

// Beyond this many decimal places any received integer divides to 0 as a float (and multiplies to
// infinity), so the power need not be computed.
constexpr std::int32_t largestUsefulPower = 60;

// 10^n for 0 <= n <= largestUsefulPower; exact as long as it fits the mantissa.
long double powerOfTen(std::int32_t n) {
    long double result = 1.0L;
    for (std::int32_t i = 0; i < n; ++i)
        result *= 10.0L;
    return result;
}

} // namespace

// The scaled value before clamping; nothing for a value that is not a number or beyond the 32-bit range.
std::optional<std::int32_t> ScaleForImageExact(float value, std::int32_t decimals) {
    if (std::isnan(value) || std::isinf(value)) return std::nullopt;
    if (value == 0.0f) return 0;

    // Scientific form of the shortest round-trip text: "-d.ddddde-XX", at most 9 significant digits.
    char text[48];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (error != std::errc()) return std::nullopt;

    const char* at = text;
    const bool negative = *at == '-';
    if (negative) ++at;
    char digits[16];
    std::int32_t digitCount = 0;
    for (; at < end && *at != 'e'; ++at) {
        if (*at >= '0' && *at <= '9' && digitCount < static_cast<std::int32_t>(sizeof digits))
            digits[digitCount++] = *at;
    }
    std::int32_t exponent = 0;
    if (at < end && *at == 'e') {
        ++at;
        if (*at == '+') ++at;
        std::from_chars(at, end, exponent);
    }

    // value = 0.d1d2...dn * 10^(exponent + 1); the integer part of value * 10^decimals has
    // exponent + 1 + decimals digits (none when that is not positive).
    const std::int64_t integerDigits = static_cast<std::int64_t>(exponent) + 1 + decimals;
    if (integerDigits <= 0) return 0;
    // The leading digit is not zero, so eleven or more integer digits are beyond the 32-bit range.
    if (integerDigits > 10) return std::nullopt;
    std::int64_t magnitude = 0;
    for (std::int64_t i = 0; i < integerDigits; ++i)
        magnitude = magnitude * 10 + (i < digitCount ? digits[i] - '0' : 0);
    const std::int64_t scaled = negative ? -magnitude : magnitude;
    if (scaled > int32Max || scaled < int32Min) return std::nullopt;
    return static_cast<std::int32_t>(scaled);
}

std::int32_t ScaleForImage(float value, std::int32_t decimals) {
    if (std::isnan(value)) return 0;
    if (const std::optional<std::int32_t> scaled = ScaleForImageExact(value, decimals)) return *scaled;
    return static_cast<std::int32_t>(std::signbit(value) ? int32Min : int32Max);
}

float ScaleFromImage(std::int32_t scaled, std::int32_t decimals) {
    const long double value = static_cast<float>(scaled);
    if (value == 0.0L) return 0.0f;
    if (decimals >= 0) {
        if (decimals > largestUsefulPower) return value < 0 ? -0.0f : 0.0f;
        return static_cast<float>(value / powerOfTen(decimals));
    }
    if (decimals < -largestUsefulPower)
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    const long double product = value * powerOfTen(-decimals);
    if (std::fabs(product) > static_cast<long double>(std::numeric_limits<float>::max()))
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(product);
}

} // namespace zor

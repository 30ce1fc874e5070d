// A converter's NMEA image with arbitrary values the form can hold unchanged: what a read and a send
// straight after must give back byte for byte.
#pragma once

#include "image/byte_order.h"
#include "image/config_image.h"
#include "image/image_layout.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <random>

namespace zor::testing {

inline ConfigImage randomNmeaImage(std::mt19937& random) {
    auto any = [&](std::int64_t low, std::int64_t high) {
        return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(low, high)(random));
    };
    ConfigImage image;
    image.length = zor1::length;
    std::uint8_t* at = image.bytes.data();
    std::memcpy(at, "~ZOR1", 5);
    constexpr char busAddresses[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    at[5] = static_cast<std::uint8_t>(busAddresses[any(0, 61)]);
    for (std::int32_t i = 0; i < 8; ++i)
        at[6 + i] = static_cast<std::uint8_t>(any(1, 255));
    for (std::int32_t k = 0; k < 10; ++k) {
        for (std::int32_t i = 0; i < 5; ++i)
            at[14 + 6 * k + i] = static_cast<std::uint8_t>(any(1, 255));
        at[14 + 6 * k + 5] = 0;
    }
    const std::int32_t decimals = any(0, 6);
    const std::int32_t largest = any(0, 1) == 0 ? 9999999 : 99999;
    for (std::int32_t k = 0; k < 10; ++k) {
        WriteI32(at + 74 + 4 * k, any(INT32_MIN, INT32_MAX));
        WriteI32(at + 114 + 4 * k, any(-1, 31)); // the form's 0..32
        WriteI32(at + 158 + 4 * k, any(-largest, largest));
        WriteI32(at + 198 + 4 * k, any(0, 4));
        WriteI32(at + 238 + 4 * k, any(-largest, largest));
        at[302 + k] = static_cast<std::uint8_t>(any(0, 255));
    }
    WriteI32(at + 154, decimals);
    WriteI32(at + 278, any(0, 1));
    WriteI32(at + 282, any(0, 1));
    const std::int32_t bufferLength = any(1, 5000);
    const std::int32_t rate = any(1, 3600);
    WriteI32(at + 286, rate);
    WriteI32(at + 290, any(INT32_MIN, INT32_MAX));
    WriteI32(at + 294, any(1, bufferLength));
    WriteI32(at + 298, any(INT32_MIN, INT32_MAX));
    WriteI32(at + 312, bufferLength);
    WriteI32(at + 316, any(INT32_MIN, INT32_MAX));
    for (std::int32_t i = 0; i < 3; ++i)
        at[320 + i] = static_cast<std::uint8_t>(any(1, 255));
    std::memcpy(at + 323, "END", 3);
    return image;
}

} // namespace zor::testing

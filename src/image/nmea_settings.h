// The settings of the "NMEA0183 to SDI12 Slave" image beyond address and serial number, as the form
// holds them. The form fills one of these to build an image and takes one back from a decoded image.
#pragma once

#include "image/image_layout.h"

#include <array>
#include <cstdint>
#include <string>

namespace zor {

struct NmeaSettings {
    std::array<std::u16string, registerSetCount> sentenceId{};
    std::array<std::uint32_t, registerSetCount> parameterSelectMask{};
    std::array<std::int32_t, registerSetCount> monitoredParameter{}; // counted from 1, as the form shows it
    std::int32_t thresholdDecimals = 0;
    std::array<float, registerSetCount> threshold{};
    std::array<std::int32_t, registerSetCount> thresholdFunction{};
    std::array<float, registerSetCount> hysteresis{};
    std::int32_t triggeredOutputOn = 1;
    std::int32_t reflectOutputInLed = 0;
    std::int32_t averagingSampleRate = 1;
    std::int32_t secondSampleRate = 1;
    std::int32_t averagingSampleCount = 0;
    std::int32_t secondSampleCount = 0;
    std::array<std::int32_t, registerSetCount> flagBytes{}; // [0] is averagingEnabled
    std::int32_t averagingBufferLength = 1;
    std::int32_t converterStateFlags = 0;
    std::string firmwareVersion; // at most three characters; missing ones travel as zero bytes
};

} // namespace zor

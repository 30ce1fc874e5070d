// The values of the "NMEA0183 to SDI12 Slave" image that travel as the 32-bit numbers the settings hold,
// with the names the settings text (JSON) gives them. Building and decoding the image, the settings
// text and the comparison after a send all take these from here; the values that change on the way
// (per register set, the flag bytes, texts) have their own code.
#pragma once

#include "image/image_layout.h"
#include "image/nmea_settings.h"
#include "image/settings_keys.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zor {

struct NmeaNumberField {
    std::string_view group; // the settings text's object holding it; empty at the top level
    std::string_view key;
    std::int32_t NmeaSettings::*value;
    std::int32_t offset;
    bool converterOwned; // the converter's own word: shown, but not expected back as sent
};

// In the order the settings text lists them.
inline constexpr NmeaNumberField nmeaNumberFields[] = {
    {"", "thresholdDecimals", &NmeaSettings::thresholdDecimals, zor1::thresholdDecimalsOffset, false},
    {"", "triggeredOutputOn", &NmeaSettings::triggeredOutputOn, zor1::triggeredOutputOnOffset, false},
    {"", "reflectOutputInLed", &NmeaSettings::reflectOutputInLed, zor1::reflectOutputInLedOffset, false},
    {key::averaging, "sampleRate", &NmeaSettings::averagingSampleRate, zor1::averagingSampleRateOffset,
     false},
    {key::averaging, "sampleCount", &NmeaSettings::averagingSampleCount, zor1::averagingSampleCountOffset,
     false},
    {key::averaging, "bufferLength", &NmeaSettings::averagingBufferLength, zor1::averagingBufferLengthOffset,
     false},
    {key::averaging, "secondSampleRate", &NmeaSettings::secondSampleRate, zor1::secondSampleRateOffset,
     false},
    {key::averaging, "secondSampleCount", &NmeaSettings::secondSampleCount, zor1::secondSampleCountOffset,
     false},
    {"", "converterStateFlags", &NmeaSettings::converterStateFlags, zor1::converterStateFlagsOffset, true},
};

// The numbers in the order the image carries them, the order in which a comparison of two images names
// them.
inline constexpr auto nmeaNumbersInImageOrder = [] {
    std::array<const NmeaNumberField*, std::size(nmeaNumberFields)> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        std::size_t j = i;
        for (; j > 0 && order[j - 1]->offset > nmeaNumberFields[i].offset; --j)
            order[j] = order[j - 1];
        order[j] = &nmeaNumberFields[i];
    }
    return order;
}();

// Whether the image carries the number after the flag bytes, the first of which is "Enable Averaging".
constexpr bool CarriedAfterFlagBytes(const NmeaNumberField& field) {
    return field.offset > zor1::flagBytesOffset;
}

} // namespace zor

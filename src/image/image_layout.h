// The byte layouts of the configuration images, one per main function. Offsets count from the first
// byte of the tag. A configuration file holds exactly the image the program sends.
#pragma once

#include "image/main_function.h"

#include <cstdint>

namespace zor {

inline constexpr std::int32_t registerSetCount = 10;
inline constexpr std::int32_t modbusRowCount = 10;
inline constexpr std::int32_t serialNumberLength = 8;
inline constexpr std::int32_t sentenceSlotLength = 6;
// What a register set without a sentence shows; it goes out as its first six characters.
inline constexpr char16_t undefinedSentenceId[] = u" -- undefined --";
inline constexpr std::int32_t firmwareVersionLength = 3;
inline constexpr std::int32_t trailerLength = 3;
inline constexpr char trailerText[] = "END";

// Common to every image.
inline constexpr std::int32_t addressOffset = 5;

// "~ZOR1", the same in both directions.
namespace zor1 {
inline constexpr std::int32_t length = 326;
inline constexpr std::int32_t sentenceIdOffset = 14;
inline constexpr std::int32_t parameterSelectMaskOffset = 74;
inline constexpr std::int32_t monitoredParameterOffset = 114;
inline constexpr std::int32_t thresholdDecimalsOffset = 154;
inline constexpr std::int32_t thresholdOffset = 158;
inline constexpr std::int32_t thresholdFunctionOffset = 198;
inline constexpr std::int32_t hysteresisOffset = 238;
inline constexpr std::int32_t triggeredOutputOnOffset = 278;
inline constexpr std::int32_t reflectOutputInLedOffset = 282;
inline constexpr std::int32_t averagingSampleRateOffset = 286;
inline constexpr std::int32_t secondSampleRateOffset = 290;
inline constexpr std::int32_t averagingSampleCountOffset = 294;
inline constexpr std::int32_t secondSampleCountOffset = 298;
inline constexpr std::int32_t flagBytesOffset = 302;
inline constexpr std::int32_t averagingBufferLengthOffset = 312;
inline constexpr std::int32_t converterStateFlagsOffset = 316;
inline constexpr std::int32_t firmwareVersionOffset = 320;
inline constexpr std::int32_t trailerOffset = 323;
} // namespace zor1

// "~ZOR2": 80 bytes sent (and saved), 87 bytes in the converter's reply.
namespace zor2 {
inline constexpr std::int32_t sentLength = 80;
inline constexpr std::int32_t replyLength = 87;
inline constexpr std::int32_t addressColumnOffset = 14;
inline constexpr std::int32_t commandColumnOffset = 24;
inline constexpr std::int32_t startRegColumnOffset = 34;
inline constexpr std::int32_t regCountColumnOffset = 54;
inline constexpr std::int32_t timeoutOffset = 74;
inline constexpr std::int32_t baudOffset = 76;
inline constexpr std::int32_t sentTrailerOffset = 77;
inline constexpr std::int32_t converterStateFlagsOffset = 77;
inline constexpr std::int32_t firmwareVersionOffset = 81;
inline constexpr std::int32_t replyTrailerOffset = 84;
} // namespace zor2

// "~ZOR3", as the program sends (and saves) it.
namespace zor3 {
inline constexpr std::int32_t length = 18;
inline constexpr std::int32_t baudOffset = 6;
inline constexpr std::int32_t trailerOffset = 15;
} // namespace zor3

inline constexpr std::int32_t largestImageLength = zor1::length;

// Every image opens with its tag: "~ZOR" and the digit of its main function (main_function.h).
inline constexpr std::int32_t tagLength = static_cast<std::int32_t>(sizeof imageTagPrefix - 1) + 1;
// A reply, or a file, is read into a receive buffer of this many bytes.
inline constexpr std::int32_t receiveBufferSize = 8192;

// The last position in the receive buffer where a main function's tag is taken: beyond it the image
// would not fit. "~ZOR1" stops at 7792, its 326 bytes fitting with room to spare; the others where
// their reply would run past the end.
constexpr std::int32_t LastTagPosition(MainFunction function) {
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return 7792;
    case MainFunction::ModbusToSdi12:
        return receiveBufferSize - zor2::replyLength;
    case MainFunction::Sdi12ToRs232:
        return receiveBufferSize - zor3::length;
    }
    return -1;
}

// What the builder, the decoder and zor-config ask of each image.
struct ImageFacts {
    std::int32_t serialNumberOffset;
    std::int32_t sentLength; // of the image the program sends and saves
};

constexpr ImageFacts ImageFactsOf(MainFunction function) {
    switch (function) {
    case MainFunction::NmeaToSdi12:
        return {6, zor1::length};
    case MainFunction::ModbusToSdi12:
        return {6, zor2::sentLength};
    case MainFunction::Sdi12ToRs232:
        return {7, zor3::length};
    }
    return {};
}

} // namespace zor

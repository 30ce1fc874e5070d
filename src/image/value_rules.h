// The numbers the images carry, checked before an image is built: a number the image cannot carry as it
// was typed is refused, never cut to its low bits, clamped or replaced. The refusal comes after the
// checks of settings_check.h, in the same "Error" box, and names the field, its row or register set,
// and the range.
#pragma once

#include "image/nmea_settings.h"
#include "image/settings_check.h"

#include <cstdint>
#include <optional>

namespace zor {

inline constexpr std::int32_t valueCheckStep = 6;

struct WholeNumberRule {
    const char16_t* field; // the field's caption: the form titles the field with it, a refusal names it
    std::int64_t low;
    std::int64_t high;
};

inline constexpr WholeNumberRule modbusAddressRule{u"Address", 0, 255};
inline constexpr WholeNumberRule modbusCommandRule{u"Command", 0, 255};
inline constexpr WholeNumberRule startRegRule{u"Start Reg", 0, 65535};
inline constexpr WholeNumberRule regCountRule{u"Reg Count", 0, 65535};
inline constexpr WholeNumberRule modbusTimeoutRule{u"Modbus Timeout", 0, 65535};
// The form counts a sentence's 32 parameters from 1; 0 (the start value) is none chosen.
inline constexpr WholeNumberRule monitoredParameterRule{u"Monitored Parameter", 0, 32};
inline constexpr WholeNumberRule averagingPeriodRule{u"Averaging Period (s)", 1, 2147483647};
inline constexpr WholeNumberRule sampleRateRule{u"Averaging Sample Rate (s)", 1, 2147483647};

inline constexpr char16_t thresholdLabel[] = u"Threshold (switch ON level)";
inline constexpr char16_t hysteresisLabel[] = u"Hysteresis (switch OFF level)";

// Where the value stands: a row of the Modbus table (0..9, as the screen numbers them), a register set
// (0..9), or a single field.
struct ValuePlace {
    enum class Kind { Field, Row, RegisterSet };
    Kind kind = Kind::Field;
    std::int32_t number = 0;
};
inline constexpr ValuePlace InRow(std::int32_t row) {
    return {ValuePlace::Kind::Row, row};
}
inline constexpr ValuePlace InRegisterSet(std::int32_t set) {
    return {ValuePlace::Kind::RegisterSet, set};
}

// A decimal number as typed: blanks, an optional sign, digits with one "." or "," between them, an
// optional exponent, blanks. Nothing when the text holds anything else; an empty text is 0.
std::optional<float> DecimalFieldValue(const char16_t* text);

// A whole number as typed: blanks, an optional sign, digits, blanks; an empty text is 0.
CheckFailure CheckWholeNumberText(const char16_t* text, const WholeNumberRule& rule, ValuePlace place);
// A number the model holds, e.g. the monitored parameter of a register set not shown.
CheckFailure CheckWholeNumber(std::int64_t value, const WholeNumberRule& rule, ValuePlace place);
// A threshold or hysteresis: it must go out as a 32-bit integer once scaled by 10^decimals.
CheckFailure CheckScaledValue(float value, std::int32_t decimals, const char16_t* field, ValuePlace place);
CheckFailure CheckDecimalText(const char16_t* text, std::int32_t decimals, const char16_t* field,
                              ValuePlace place);
// The averaging the converter can run: a sample rate of at least 1 s, and with averaging on at least one
// sample and no more than its buffer holds (a period from one sample rate to the buffer's length of them).
CheckFailure CheckAveraging(const NmeaSettings& settings);

} // namespace zor

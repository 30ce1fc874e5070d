// Building the image of each main function from the form. The texts of the fields that hold their own
// values are passed in; a null text reads as empty. The result is either the image or the first check
// that failed.
#pragma once

#include "image/config_image.h"
#include "image/nmea_settings.h"
#include "image/settings_check.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

// Texts of "SDI12 Address" and "Serial Number".
struct IdentityFields {
    const char16_t* address = nullptr;
    const char16_t* serialNumber = nullptr;
};

// Texts of the Modbus table (rows 1..10 at index 0..9) and of "Modbus Timeout".
struct ModbusTableTexts {
    std::array<const char16_t*, modbusRowCount> address{};
    std::array<const char16_t*, modbusRowCount> command{};
    std::array<const char16_t*, modbusRowCount> startReg{};
    std::array<const char16_t*, modbusRowCount> regCount{};
    const char16_t* timeout = nullptr;
};

struct BuildResult {
    bool ok = false;
    CheckFailure failure; // the check that failed when not ok
    ConfigImage image;    // complete only when ok
};

// A sentence identifier made at least five characters long with "*" in front ("GA" -> "***GA").
std::u16string LengthenSentenceId(std::u16string_view id);

// A number typed into a cell or field: blanks, an optional sign, digits up to the first non-digit,
// 0 without digits, clamped to the 32-bit range.
std::int32_t FieldNumber(const char16_t* text);

// The "~ZOR1" image. An identifier longer than six characters is refused (the undefined marker goes out
// as its first six). The sentence identifiers of settings are lengthened in place, set by set, up to
// the set whose identifier fails its check; the form keeps them lengthened. Then the numbers of each
// register set are checked (value_rules.h).
BuildResult BuildNmeaImage(const IdentityFields& identity, NmeaSettings& settings);
// The 80-byte "~ZOR2" image. Every cell and the time-out must be a whole number its byte or 16 bits can
// carry (value_rules.h); an empty cell is 0.
BuildResult BuildModbusImage(const IdentityFields& identity, const ModbusTableTexts& table,
                             std::int32_t modbusBaudIndex);
// The 18-byte "~ZOR3" image.
BuildResult BuildSerialImage(const IdentityFields& identity, std::int32_t modbusBaudIndex);

} // namespace zor

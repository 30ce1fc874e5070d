#include "image/image_build.h"

#include "image/byte_order.h"
#include "image/modbus_columns.h"
#include "image/nmea_number_fields.h"
#include "image/scaled_value.h"
#include "image/value_rules.h"
#include "toolkit/text_buffer.h"

#include <cstring>

namespace zor {
namespace {

constexpr std::int32_t shortestSentenceId = 5;

void writeTag(ConfigImage& image, MainFunction function) {
    std::memcpy(image.bytes.data(), imageTagPrefix, 4);
    image.bytes[4] = static_cast<std::uint8_t>(ImageTagDigit(function));
}

void writeTrailer(ConfigImage& image, std::int32_t offset) {
    std::memcpy(image.bytes.data() + offset, trailerText, trailerLength);
}

// Checks 1 to 4; the characters are known to fit a byte once they pass.
CheckFailure checkIdentity(const IdentityFields& identity) {
    const CheckFailure address = CheckAddress(identity.address);
    if (address.step != 0) return address;
    return CheckSerialNumber(identity.serialNumber);
}

void writeAddress(ConfigImage& image, const char16_t* address) {
    image.bytes[addressOffset] = textLength(address) == 1 ? static_cast<std::uint8_t>(address[0]) : 0;
}

void writeSerialNumber(ConfigImage& image, std::int32_t offset, const char16_t* serialNumber) {
    for (std::int32_t i = 0; i < serialNumberLength; ++i)
        image.bytes[offset + i] = static_cast<std::uint8_t>(serialNumber[i]);
}

void writeI32Array(ConfigImage& image, std::int32_t offset, const std::int32_t* values) {
    for (std::int32_t k = 0; k < registerSetCount; ++k)
        WriteI32(image.bytes.data() + offset + 4 * k, values[k]);
}

std::uint8_t lowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

std::uint16_t low16(std::int32_t value) {
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

// The form counts parameters from 1, the image from 0; 0 (none chosen) goes out as -1.
std::int32_t monitoredForImage(std::int32_t monitored) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(monitored) - 1u);
}

// Checks 1 to 4, then the tag, "SDI12 Address" and "Serial Number" (at serialOffset) written: every
// layout starts so.
bool startImage(BuildResult& result, MainFunction function, const IdentityFields& identity) {
    result.failure = checkIdentity(identity);
    if (result.failure.step != 0) return false;
    writeTag(result.image, function);
    writeAddress(result.image, identity.address);
    writeSerialNumber(result.image, ImageFactsOf(function).serialNumberOffset, identity.serialNumber);
    return true;
}

// "END" at trailerOffset, which makes the image complete.
BuildResult& finishImage(BuildResult& result, std::int32_t trailerOffset, std::int32_t length) {
    writeTrailer(result.image, trailerOffset);
    result.image.length = length;
    result.ok = true;
    return result;
}

// The monitored parameter and the scaled values of every register set, set 0 first.
CheckFailure checkRegisterSetValues(const NmeaSettings& settings) {
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const ValuePlace set = InRegisterSet(k);
        CheckFailure failure = CheckWholeNumber(settings.monitoredParameter[k], monitoredParameterRule, set);
        if (failure.step == 0)
            failure =
                CheckScaledValue(settings.threshold[k], settings.thresholdDecimals, thresholdLabel, set);
        if (failure.step == 0)
            failure =
                CheckScaledValue(settings.hysteresis[k], settings.thresholdDecimals, hysteresisLabel, set);
        if (failure.step != 0) return failure;
    }
    return CheckAveraging(settings);
}

// The table row by row, each row left to right, then "Modbus Timeout".
CheckFailure checkModbusTable(const ModbusTableTexts& table) {
    for (std::int32_t row = 0; row < modbusRowCount; ++row) {
        for (const ModbusColumn& column : modbusColumns) {
            const CheckFailure failure =
                CheckWholeNumberText((table.*column.texts)[row], *column.rule, InRow(row));
            if (failure.step != 0) return failure;
        }
    }
    return CheckWholeNumberText(table.timeout, modbusTimeoutRule, ValuePlace{});
}

} // namespace

std::u16string LengthenSentenceId(std::u16string_view id) {
    std::u16string lengthened;
    if (id.size() < static_cast<std::size_t>(shortestSentenceId))
        lengthened.assign(static_cast<std::size_t>(shortestSentenceId) - id.size(), u'*');
    lengthened.append(id);
    return lengthened;
}

std::int32_t FieldNumber(const char16_t* text) {
    return leadingInt(text);
}

BuildResult BuildNmeaImage(const IdentityFields& identity, NmeaSettings& settings) {
    BuildResult result;
    if (!startImage(result, MainFunction::NmeaToSdi12, identity)) return result;
    ConfigImage& image = result.image;

    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        std::u16string& id = settings.sentenceId[k];
        id = LengthenSentenceId(id);
        if (id.size() > static_cast<std::size_t>(sentenceSlotLength) && id != undefinedSentenceId) {
            result.failure = sentenceIdTooLongFailure;
            return result;
        }
        // Six characters, the sixth being the terminator when the identifier has five.
        std::uint8_t* slot = image.bytes.data() + zor1::sentenceIdOffset + sentenceSlotLength * k;
        for (std::int32_t i = 0; i < sentenceSlotLength; ++i) {
            const char16_t c = static_cast<std::size_t>(i) < id.size() ? id[i] : u'\0';
            if (c > 255) {
                result.failure = sentenceIdOutOfRangeFailure;
                return result;
            }
            slot[i] = static_cast<std::uint8_t>(c);
        }
    }
    result.failure = checkRegisterSetValues(settings);
    if (result.failure.step != 0) return result;

    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        std::uint8_t* at = image.bytes.data();
        WriteI32(at + zor1::parameterSelectMaskOffset + 4 * k,
                 static_cast<std::int32_t>(settings.parameterSelectMask[k]));
        WriteI32(at + zor1::monitoredParameterOffset + 4 * k,
                 monitoredForImage(settings.monitoredParameter[k]));
        WriteI32(at + zor1::thresholdOffset + 4 * k,
                 ScaleForImage(settings.threshold[k], settings.thresholdDecimals));
        WriteI32(at + zor1::hysteresisOffset + 4 * k,
                 ScaleForImage(settings.hysteresis[k], settings.thresholdDecimals));
    }
    writeI32Array(image, zor1::thresholdFunctionOffset, settings.thresholdFunction.data());

    std::uint8_t* at = image.bytes.data();
    for (const NmeaNumberField& field : nmeaNumberFields)
        WriteI32(at + field.offset, settings.*field.value);
    for (std::int32_t k = 0; k < registerSetCount; ++k)
        at[zor1::flagBytesOffset + k] = lowByte(settings.flagBytes[k]);
    for (std::int32_t i = 0; i < firmwareVersionLength; ++i) {
        const bool present = static_cast<std::size_t>(i) < settings.firmwareVersion.size();
        at[zor1::firmwareVersionOffset + i] =
            present ? static_cast<std::uint8_t>(settings.firmwareVersion[static_cast<std::size_t>(i)]) : 0;
    }
    return finishImage(result, zor1::trailerOffset, zor1::length);
}

BuildResult BuildModbusImage(const IdentityFields& identity, const ModbusTableTexts& table,
                             std::int32_t modbusBaudIndex) {
    BuildResult result;
    if (!startImage(result, MainFunction::ModbusToSdi12, identity)) return result;
    result.failure = checkModbusTable(table);
    if (result.failure.step != 0) return result;

    std::uint8_t* at = result.image.bytes.data();
    for (std::int32_t row = 0; row < modbusRowCount; ++row) {
        for (const ModbusColumn& column : modbusColumns) {
            const std::int32_t value = FieldNumber((table.*column.texts)[row]);
            std::uint8_t* cell = at + ModbusCellOffset(column, row);
            if (column.width == 1)
                *cell = lowByte(value);
            else
                WriteU16BE(cell, low16(value));
        }
    }
    WriteU16BE(at + zor2::timeoutOffset, low16(FieldNumber(table.timeout)));
    at[zor2::baudOffset] = lowByte(modbusBaudIndex);
    return finishImage(result, zor2::sentTrailerOffset, zor2::sentLength);
}

BuildResult BuildSerialImage(const IdentityFields& identity, std::int32_t modbusBaudIndex) {
    BuildResult result;
    if (!startImage(result, MainFunction::Sdi12ToRs232, identity)) return result;
    result.image.bytes[zor3::baudOffset] = lowByte(modbusBaudIndex);
    return finishImage(result, zor3::trailerOffset, zor3::length);
}

} // namespace zor

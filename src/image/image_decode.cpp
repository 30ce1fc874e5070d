#include "image/image_decode.h"

#include "image/modbus_columns.h"
#include "image/nmea_number_fields.h"
#include "image/scaled_value.h"

#include <limits>

namespace zor {
namespace {

std::int32_t readI32(const ReceivedBytes& image, std::int32_t offset) {
    const std::uint32_t bits = static_cast<std::uint32_t>(image.at(offset)) |
                               (static_cast<std::uint32_t>(image.at(offset + 1)) << 8) |
                               (static_cast<std::uint32_t>(image.at(offset + 2)) << 16) |
                               (static_cast<std::uint32_t>(image.at(offset + 3)) << 24);
    return static_cast<std::int32_t>(bits);
}

std::uint16_t readU16BE(const ReceivedBytes& image, std::int32_t offset) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(image.at(offset)) << 8) |
                                      image.at(offset + 1));
}

// Up to length characters, ending early at a zero byte; each byte is the character of its value.
template <typename Text>
Text readText(const ReceivedBytes& image, std::int32_t offset, std::int32_t length) {
    Text text;
    for (std::int32_t i = 0; i < length; ++i) {
        const std::uint8_t byte = image.at(offset + i);
        if (byte == 0) break;
        text.push_back(static_cast<typename Text::value_type>(byte));
    }
    return text;
}

std::u16string readWideText(const ReceivedBytes& image, std::int32_t offset, std::int32_t length) {
    return readText<std::u16string>(image, offset, length);
}

std::string readNarrowText(const ReceivedBytes& image, std::int32_t offset, std::int32_t length) {
    return readText<std::string>(image, offset, length);
}

bool hasTrailer(const ReceivedBytes& image, std::int32_t offset) {
    for (std::int32_t i = 0; i < trailerLength; ++i)
        if (image.at(offset + i) != static_cast<std::uint8_t>(trailerText[i])) return false;
    return true;
}

std::int32_t clampedProduct(std::int32_t a, std::int32_t b) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    if (product > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (product < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(product);
}

// The image counts parameters from 0, the form from 1; wrapping keeps the round trip exact.
std::int32_t monitoredFromImage(std::int32_t raw) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(raw) + 1u);
}

// "SDI12 Address" and "Serial Number", applied from the port only: every layout has both.
template <typename Decoded>
Decoded decodeIdentity(const ReceivedBytes& image, ReplyOrigin origin, MainFunction function) {
    Decoded decoded;
    decoded.address = readWideText(image, addressOffset, 1);
    decoded.serialNumberAsHeld =
        readWideText(image, ImageFactsOf(function).serialNumberOffset, serialNumberLength);
    if (origin == ReplyOrigin::Port) decoded.serialNumber = decoded.serialNumberAsHeld;
    return decoded;
}

} // namespace

std::int32_t ClampedProduct(std::int32_t a, std::int32_t b) {
    return clampedProduct(a, b);
}

char ImageTagDigitAt(const ReceivedBytes& image) {
    return static_cast<char>(image.at(sizeof imageTagPrefix - 1));
}

std::optional<std::int32_t> BaudIndexFromByte(std::uint8_t baudByte) {
    if (BaudRateOfIndex(baudByte)) return baudByte;
    return std::nullopt;
}

std::u16string ConverterStateTitle(const std::string& firmwareVersion) {
    std::u16string title = u"Converter State:  Firmware Version ";
    for (const char c : firmwareVersion)
        title.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return title;
}

DecodedNmeaImage DecodeNmeaImage(const ReceivedBytes& image, ReplyOrigin origin) {
    DecodedNmeaImage decoded = decodeIdentity<DecodedNmeaImage>(image, origin, MainFunction::NmeaToSdi12);
    NmeaSettings& s = decoded.settings;
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        const std::int32_t slot = zor1::sentenceIdOffset + sentenceSlotLength * k;
        s.sentenceId[k] = readWideText(image, slot, 5);
        decoded.sentenceIdSlot[k] = readWideText(image, slot, sentenceSlotLength);
    }
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        s.parameterSelectMask[k] =
            static_cast<std::uint32_t>(readI32(image, zor1::parameterSelectMaskOffset + 4 * k));
        s.monitoredParameter[k] = monitoredFromImage(readI32(image, zor1::monitoredParameterOffset + 4 * k));
    }
    for (const NmeaNumberField& field : nmeaNumberFields)
        s.*field.value = readI32(image, field.offset);
    for (std::int32_t k = 0; k < registerSetCount; ++k) {
        decoded.scaledThreshold[k] = readI32(image, zor1::thresholdOffset + 4 * k);
        decoded.scaledHysteresis[k] = readI32(image, zor1::hysteresisOffset + 4 * k);
        s.threshold[k] = ScaleFromImage(decoded.scaledThreshold[k], s.thresholdDecimals);
        s.thresholdFunction[k] = readI32(image, zor1::thresholdFunctionOffset + 4 * k);
        s.hysteresis[k] = ScaleFromImage(decoded.scaledHysteresis[k], s.thresholdDecimals);
    }
    decoded.averagingPeriod = clampedProduct(s.averagingSampleCount, s.averagingSampleRate);
    decoded.secondAveragingPeriod = clampedProduct(s.secondSampleCount, s.secondSampleRate);
    for (std::int32_t k = 0; k < registerSetCount; ++k)
        s.flagBytes[k] = image.at(zor1::flagBytesOffset + k);
    if (s.averagingBufferLength >= 1) decoded.averagingBufferLength = s.averagingBufferLength;
    if (origin == ReplyOrigin::Port) decoded.converterStateFlags = s.converterStateFlags;
    s.firmwareVersion = readNarrowText(image, zor1::firmwareVersionOffset, firmwareVersionLength);
    decoded.complete = hasTrailer(image, zor1::trailerOffset);
    return decoded;
}

DecodedModbusImage DecodeModbusImage(const ReceivedBytes& image, ReplyOrigin origin) {
    DecodedModbusImage decoded =
        decodeIdentity<DecodedModbusImage>(image, origin, MainFunction::ModbusToSdi12);
    for (std::int32_t row = 0; row < modbusRowCount; ++row) {
        for (const ModbusColumn& column : modbusColumns) {
            const std::int32_t at = ModbusCellOffset(column, row);
            decoded.rows[row].*column.cell =
                column.width == 1 ? static_cast<std::uint16_t>(image.at(at)) : readU16BE(image, at);
        }
    }
    decoded.timeout = readU16BE(image, zor2::timeoutOffset);
    decoded.baudByte = image.at(zor2::baudOffset);
    decoded.modbusBaudIndex = BaudIndexFromByte(decoded.baudByte);

    if (origin == ReplyOrigin::File && hasTrailer(image, zor2::sentTrailerOffset)) {
        decoded.savedLayout = true;
        decoded.complete = true;
        return decoded;
    }
    if (origin == ReplyOrigin::Port)
        decoded.converterStateFlags = readI32(image, zor2::converterStateFlagsOffset);
    decoded.firmwareVersion = readNarrowText(image, zor2::firmwareVersionOffset, firmwareVersionLength);
    decoded.complete = hasTrailer(image, zor2::replyTrailerOffset);
    return decoded;
}

DecodedSerialImage DecodeSerialImage(const ReceivedBytes& image, ReplyOrigin origin) {
    DecodedSerialImage decoded =
        decodeIdentity<DecodedSerialImage>(image, origin, MainFunction::Sdi12ToRs232);
    decoded.baudByte = image.at(zor3::baudOffset);
    decoded.modbusBaudIndex = BaudIndexFromByte(decoded.baudByte);
    decoded.complete = hasTrailer(image, zor3::trailerOffset);
    return decoded;
}

} // namespace zor

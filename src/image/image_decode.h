// Decoding an image found at a tag position into a record of what applies to the form. The record
// says which values come only from the port (the "Serial Number" field and converterStateFlags) and
// which were refused; the form code applies it.
#pragma once

#include "image/baud_rates.h"
#include "image/nmea_settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zor {

enum class ReplyOrigin { Port, File };

// The bytes of an image from its tag on. Positions at or beyond count read as zero, as in the receive
// buffer that is zeroed before every query; so an image is never decoded from what an earlier read
// left behind, and never from beyond the buffer.
struct ReceivedBytes {
    const std::uint8_t* data = nullptr;
    std::int32_t count = 0;

    std::uint8_t at(std::int32_t position) const {
        return position >= 0 && position < count ? data[position] : std::uint8_t{0};
    }
};

// "SDI12 Address" and "Serial Number", which every image holds.
struct DecodedIdentity {
    std::u16string address;                     // empty when the byte is zero
    std::optional<std::u16string> serialNumber; // applied from the port only
    std::u16string serialNumberAsHeld;          // what the image holds, from a file too
};

struct DecodedNmeaImage : DecodedIdentity {
    // Everything the image carries. converterStateFlags and averagingBufferLength here are not applied:
    // the two optionals below say whether they are.
    NmeaSettings settings;
    // The whole six-character slots (the settings read five) and the thresholds and hystereses as the
    // 32-bit numbers the image carries: what a file holds as it stands.
    std::array<std::u16string, registerSetCount> sentenceIdSlot{};
    std::array<std::int32_t, registerSetCount> scaledThreshold{};
    std::array<std::int32_t, registerSetCount> scaledHysteresis{};
    std::optional<std::int32_t> converterStateFlags;   // from the port only
    std::optional<std::int32_t> averagingBufferLength; // absent when below 1: it is a divisor
    std::int32_t averagingPeriod = 0;                  // sample count times sample rate
    std::int32_t secondAveragingPeriod = 0;
    bool complete = false; // "END" at 323..325
};

// One row of the Modbus table; address and command are one byte each (modbus_columns.h).
struct ModbusRow {
    std::uint16_t address = 0;
    std::uint16_t command = 0;
    std::uint16_t startReg = 0;
    std::uint16_t regCount = 0;
};

struct DecodedModbusImage : DecodedIdentity {
    std::array<ModbusRow, modbusRowCount> rows{};
    std::uint16_t timeout = 0;
    std::uint8_t baudByte = 0;
    std::optional<std::int32_t> modbusBaudIndex;     // the baud byte when it is a baud index
    std::optional<std::int32_t> converterStateFlags; // from the port only
    std::optional<std::string> firmwareVersion;      // not in the 80-byte layout of a saved file
    bool complete = false;
    bool savedLayout = false; // complete as the 80-byte image the program sends and saves
};

struct DecodedSerialImage : DecodedIdentity {
    std::uint8_t baudByte = 0;
    std::optional<std::int32_t> modbusBaudIndex;
    bool complete = false; // "END" at 15..17
};

DecodedNmeaImage DecodeNmeaImage(const ReceivedBytes& image, ReplyOrigin origin);
// From the port the 87-byte reply layout applies. A file holds the 80-byte image the program saves and
// is complete with "END" at 77..79; a file in the reply layout is read as a reply.
DecodedModbusImage DecodeModbusImage(const ReceivedBytes& image, ReplyOrigin origin);
// The converter answers in the 18-byte layout the program sends; a saved file holds the same.
DecodedSerialImage DecodeSerialImage(const ReceivedBytes& image, ReplyOrigin origin);

// The digit after "~ZOR" that opens an image (zero when there is none).
char ImageTagDigitAt(const ReceivedBytes& image);

// a times b, held to the 32-bit range: an averaging period from its sample count and rate.
std::int32_t ClampedProduct(std::int32_t a, std::int32_t b);

// The baud index the byte holds (1 for baudRates[0]), or nothing for a byte that is none.
std::optional<std::int32_t> BaudIndexFromByte(std::uint8_t baudByte);

// "Converter State:  Firmware Version " followed by the version characters.
std::u16string ConverterStateTitle(const std::string& firmwareVersion);

} // namespace zor

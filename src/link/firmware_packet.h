// The firmware image and its 35-byte packets: 0x01, 32 data bytes (zero filled past the end of the
// image) and the 16-bit sum of the data bytes, least significant byte first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zor {

inline constexpr std::int32_t firmwareCapacity = 32768;
inline constexpr std::int32_t firmwarePacketData = 32;
inline constexpr std::int32_t firmwarePacketSize = 35;

struct FirmwareImage {
    std::uint8_t bytes[firmwareCapacity] = {};
    std::int32_t size = 0;
};

struct FirmwarePacket {
    std::uint8_t bytes[firmwarePacketSize] = {};
    bool complete = false; // all 32 data bytes came from the image
};

struct FirmwareFileCheck {
    bool ok = false;
    std::u16string message; // why the file is refused
};

// Takes the content of a firmware file of size bytes. A file that does not fit the converter's 32768
// bytes is refused, naming its size, rather than sent cut short, and so is an empty one; the image is
// then left empty. The bytes are only read when the file fits: for a longer file its start will do.
FirmwareFileCheck LoadFirmwareImage(FirmwareImage& image, const std::uint8_t* bytes, std::size_t size);

// Builds the packet for the data at cursor and advances the cursor past the bytes it took.
FirmwarePacket BuildFirmwarePacket(const FirmwareImage& image, std::int32_t& cursor);

} // namespace zor

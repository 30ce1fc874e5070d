#include "link/firmware_packet.h"

#include "toolkit/decimal_text.h"

#include <cstring>

namespace zor {

FirmwareFileCheck LoadFirmwareImage(FirmwareImage& image, const std::uint8_t* bytes, std::size_t size) {
    image.size = 0;
    FirmwareFileCheck check;
    if (bytes == nullptr || size == 0) {
        check.message = u"The firmware file is empty";
        return check;
    }
    if (size > static_cast<std::size_t>(firmwareCapacity)) {
        check.message = u"The firmware file is too large (" + DecimalText(static_cast<std::int64_t>(size)) +
                        u" bytes, at most " + DecimalText(firmwareCapacity) + u")";
        return check;
    }
    std::memcpy(image.bytes, bytes, size);
    image.size = static_cast<std::int32_t>(size);
    check.ok = true;
    return check;
}

FirmwarePacket BuildFirmwarePacket(const FirmwareImage& image, std::int32_t& cursor) {
    FirmwarePacket packet;
    packet.bytes[0] = 0x01;
    packet.complete = true;
    std::uint16_t sum = 0;
    for (std::int32_t i = 0; i < firmwarePacketData; ++i) {
        if (cursor >= 0 && cursor < image.size) {
            const std::uint8_t byte = image.bytes[cursor++];
            packet.bytes[1 + i] = byte;
            sum = static_cast<std::uint16_t>(sum + byte);
        } else {
            packet.complete = false;
        }
    }
    packet.bytes[33] = static_cast<std::uint8_t>(sum & 0xFFu);
    packet.bytes[34] = static_cast<std::uint8_t>(sum >> 8);
    return packet;
}

} // namespace zor

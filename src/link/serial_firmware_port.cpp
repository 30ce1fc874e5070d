#include "link/serial_firmware_port.h"

#include "platform/clock.h"

namespace zor {
namespace {

PortTransfer transfer(const platform::PortResult& r) {
    return {r.ok(), static_cast<std::int32_t>(r.count), r.error};
}

std::uint32_t byteCount(std::int32_t size) {
    return static_cast<std::uint32_t>(size < 0 ? 0 : size);
}

} // namespace

PortTransfer SerialFirmwarePort::write(const std::uint8_t* bytes, std::int32_t size) {
    return transfer(platform::writePort(port_, bytes, byteCount(size)));
}

PortTransfer SerialFirmwarePort::read(std::uint8_t* buffer, std::int32_t capacity) {
    return transfer(platform::readPort(port_, buffer, byteCount(capacity)));
}

void SerialFirmwarePort::purgeReceive() {
    // A failed purge shows up as a start answer that is not seen.
    (void)platform::purgeReceive(port_);
}

std::uint32_t SerialFirmwarePort::nowMs() {
    return platform::tickCountMs();
}

} // namespace zor

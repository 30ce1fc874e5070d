// The firmware transfer's port over an open serial port: one write or read of that port, the receive
// buffer the caller gives, and the platform's steady clock. The window and zor-config run the transfer
// through it alike.
#pragma once

#include "link/firmware_port.h"
#include "platform/port.h"

#include <cstdint>

namespace zor {

class SerialFirmwarePort final : public FirmwarePort {
  public:
    // receive holds receiveBufferSize bytes.
    SerialFirmwarePort(const platform::PortHandle& port, std::uint8_t* receive)
        : port_(port), receive_(receive) {}
    PortTransfer write(const std::uint8_t* bytes, std::int32_t size) override;
    PortTransfer read(std::uint8_t* buffer, std::int32_t capacity) override;
    void purgeReceive() override;
    std::uint8_t* receiveBuffer() override { return receive_; }
    std::uint32_t nowMs() override;

  private:
    const platform::PortHandle& port_;
    std::uint8_t* receive_;
};

} // namespace zor

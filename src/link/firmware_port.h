// What the firmware transfer needs from the converter's port and from the clock. The window side hands
// in the open port; tests hand in a scripted converter and a clock they move by hand.
#pragma once

#include <cstdint>

namespace zor {

struct PortTransfer {
    bool ok = false;
    std::int32_t count = 0;  // bytes written or read
    std::uint32_t error = 0; // the system's error code when not ok
};

class FirmwarePort {
  public:
    virtual ~FirmwarePort() = default;
    // One write of all bytes.
    virtual PortTransfer write(const std::uint8_t* bytes, std::int32_t size) = 0;
    // One read of at most capacity bytes, returning what arrived before the port's read time-out
    // (possibly nothing).
    virtual PortTransfer read(std::uint8_t* buffer, std::int32_t capacity) = 0;
    // Throws away what has arrived and not been read (the tail of an earlier reply), so that the next
    // read holds only what the converter sends from now on.
    virtual void purgeReceive() = 0;
    // The receive buffer, receiveBufferSize bytes, that every exchange reads into.
    virtual std::uint8_t* receiveBuffer() = 0;
    // Milliseconds of a steady clock; only differences are used, so wrapping is harmless.
    virtual std::uint32_t nowMs() = 0;
};

} // namespace zor

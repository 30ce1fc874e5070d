// One converter on one port, as the window talks to it: the line set up as the scan does (9600 baud,
// 8 bits, no parity, one stop bit, the 200 ms read time-outs), the query answered within the reply wait,
// images and command bytes written in one write each. Each exchange is one bounded step.
#pragma once

#include "link/reply_outcome.h"
#include "platform/port.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zor::cli {

// The device a user names: "COM3", "com3", "3" and "\\.\COM3" are the Windows port COM3; anything
// else is a device path ("/dev/ttyUSB0").
std::string PortDeviceName(const std::string& given);
// "COM3" for "\\.\COM3"; a device path as it is.
std::string PortDisplayName(const std::string& device);

struct QueryResult {
    bool written = false;
    bool readOk = false;
    std::uint32_t error = 0;         // of the failed write or read
    std::vector<std::uint8_t> bytes; // what the reads returned
    ReplyOutcome outcome;            // recognised as a reply from the port
};

class ConverterLink {
  public:
    ConverterLink() = default;
    ~ConverterLink();
    ConverterLink(const ConverterLink&) = delete;
    ConverterLink& operator=(const ConverterLink&) = delete;

    // Opens the device and sets the line and the time-outs up. False with a message when it cannot.
    bool open(const std::string& device, std::string& message);
    void close();
    bool isOpen() const { return port_ != platform::invalidPortHandle; }
    const platform::PortHandle& handle() const { return port_; }

    // The query as the window writes it (stale input purged first), the reply wait, the reads of up to
    // 8192 bytes into a zeroed buffer (a reply read on to its trailer, as the window does), the
    // recognition.
    QueryResult query();
    // One write of all bytes.
    platform::PortResult write(const std::uint8_t* bytes, std::uint32_t count);
    platform::PortResult sendCommand(std::uint8_t command);
    platform::PortResult read(std::uint8_t* buffer, std::uint32_t capacity);

  private:
    platform::PortHandle port_ = platform::invalidPortHandle;
};

void SleepMs(std::uint32_t ms);

// How long count bytes take on the line: 10 bits each at 9600 baud, rounded up.
std::uint32_t LineTimeMs(std::uint32_t count);
// After an image has gone down the line, the pause before the converter is read back: at least the
// time a technician takes from "Send Settings" to "Read Settings", for the converter to store it.
inline constexpr std::uint32_t verifySettleMs = 500;

} // namespace zor::cli

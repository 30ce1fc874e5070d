// The converter's port: its device name, the line it runs at and the time-outs every exchange relies
// on. The port scan opens a port with OpenConverterPort, then sets the line and the time-outs.
#pragma once

#include "platform/port.h"

#include <cstdint>
#include <string>

namespace zor {

inline constexpr std::uint32_t converterBaudRate = 9600;
inline constexpr std::uint8_t converterByteSize = 8;
inline constexpr std::uint8_t converterParity = 0;   // none
inline constexpr std::uint8_t converterStopBits = 0; // one stop bit

// A read returns when the bytes asked for have arrived, when more than 200 ms pass between two bytes,
// and at the latest 200 ms after it started; a write of k bytes may take up to 100 + 100·k ms.
inline constexpr platform::CommTimeouts converterTimeouts{200, 0, 200, 100, 100};

// "\\.\COM" followed by n in decimal, the 8-bit name the port is opened by.
std::string ConverterPortName(std::int32_t number);

platform::PortOpenResult OpenConverterPort(std::int32_t number);

struct LineSetup {
    // The port's settings could not be read: the status line reports this code, and the line is set
    // up from an empty settings block all the same.
    std::uint32_t readSettingsError = 0;
    // The line could not be set: the port is of no use.
    platform::PortResult applied;
};

// Sets baud rate, byte size, parity and stop bits, keeping every other field as the port reported it.
LineSetup SetConverterLine(platform::PortHandle port);

// The time-outs above.
platform::PortResult SetConverterTimeouts(platform::PortHandle port);

} // namespace zor

// Single-byte commands the converter obeys without answering.
#pragma once

#include "platform/port.h"
#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

inline constexpr std::uint8_t restartCommand = 'b';
inline constexpr std::uint8_t testLedsCommand = 'l';
inline constexpr std::uint8_t startStreamingCommand = 's';
inline constexpr std::uint8_t stopStreamingCommand = 'x';
inline constexpr std::uint8_t endOfFirmwareCommand = 255;

// Writes the byte from the image buffer to the open port. A failed write shows
// "Error n (serial write failed)" and leaves the port open; success shows nothing. True when written.
bool SendCommandByte(std::uint8_t command);

// "Restart Converter" and "Test LEDs".
void RestartConverterClicked(Widget& button);
void TestLedsClicked(Widget& button);

// A view starts and ends on an empty input queue: purge, zero the receive buffer, send "s"; and send
// "x", then purge. Arming and stopping the view's job is the caller's.
void StartStreaming();
void StopStreaming();

// A settings image written in one write from the image buffer to the port or the file standing in its
// place. Nothing is shown and nothing closed: the status and what to close after a failure are the
// caller's.
platform::PortResult WriteSettingsImage(const std::uint8_t* bytes, std::int32_t length);

} // namespace zor

// The window's single-byte commands: sent from the image buffer, a failure shown in the status line.
#pragma once

#include "link/command_bytes.h"
#include "platform/port.h"
#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

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

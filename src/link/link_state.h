// The one link to the converter: the port handle, the two 8192-byte buffers every exchange uses, and the
// few widgets of the form the link drives, handed over once at start-up (the link never names the form).
#pragma once

#include "image/reply_outcome.h"
#include "platform/port.h"
#include "toolkit/widget.h"

#include <cstdint>

namespace zor {

inline constexpr std::int32_t imageBufferSize = receiveBufferSize;

// Widgets of the main form the converter exchanges change; set by the start-up wiring.
struct LinkWidgets {
    Widget* mainWindow = nullptr;   // its timer runs every exchange, one job at a time
    Widget* portLabel = nullptr;    // "---", "Scanning n", "COMn"
    Widget* rescanButton = nullptr; // its tag is the scanning flag
    Widget* statusLine = nullptr;
    Widget* statusBox = nullptr;
};

struct LinkState {
    platform::PortHandle portHandle = platform::invalidPortHandle;
    std::int32_t scanPortNumber = 0;
    std::uint8_t receiveBuffer[receiveBufferSize] = {};
    std::uint8_t imageBuffer[imageBufferSize] = {};
    std::uint32_t bytesWritten = 0; // shared by all writes, shown in status texts
    LinkWidgets widgets;
};

// The program's one link.
extern LinkState converterLink;

} // namespace zor

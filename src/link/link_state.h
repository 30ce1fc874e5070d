// The one link to the converter: the port handle, the two 8192-byte buffers every exchange uses, and the
// few widgets and form functions the link drives, handed over once at start-up (the link never names
// the form).
#pragma once

#include "link/converter_detection.h"
#include "platform/port.h"
#include "toolkit/widget.h"

#include <array>
#include <cstdint>
#include <string>

namespace zor {

inline constexpr std::int32_t imageBufferSize = receiveBufferSize;
inline constexpr std::int32_t firmwareDisabledSetSize = 8;

// Widgets of the main form the converter exchanges change; set by the start-up wiring.
struct LinkWidgets {
    Widget* mainWindow = nullptr;   // its timer runs every exchange, one job at a time
    Widget* portLabel = nullptr;    // "---", "Scanning n", "COMn"
    Widget* rescanButton = nullptr; // its tag is the scanning flag
    Widget* statusLine = nullptr;
    // Disabled while a firmware update runs: "Read Settings", "Restart Converter", "Test LEDs",
    // "Save Config", "Open Config", "Send Settings", "Pick" and "Rescan Ports".
    std::array<Widget*, firmwareDisabledSetSize> firmwareDisabledSet{};
};

// Form functions the link calls; set by the start-up wiring.
struct LinkHooks {
    // A scan starts or "Read Settings" is pressed: the converter state lights stop blinking.
    void (*clearIndicatorBlinks)() = nullptr;
    // A reply tag was found in the first count bytes of the receive buffer: decode the image into the
    // form, show the final status, beep and refresh as the image asks.
    void (*applyReply)(const std::uint8_t* buffer, std::int32_t count, bool fromFile) = nullptr;
};

struct LinkState {
    platform::PortHandle portHandle = platform::invalidPortHandle;
    std::int32_t scanPortNumber = 0;
    std::uint8_t receiveBuffer[receiveBufferSize] = {};
    std::uint8_t imageBuffer[imageBufferSize] = {};
    LinkWidgets widgets;
    LinkHooks hooks;
};

// The program's one link.
extern LinkState converterLink;

// A file handle in the port handle's place for one read or write; the port handle is put back when
// the stand-in goes out of scope, on every path.
class PortStandIn {
  public:
    explicit PortStandIn(platform::PortHandle file) : kept_(converterLink.portHandle) {
        converterLink.portHandle = file;
    }
    ~PortStandIn() { converterLink.portHandle = kept_; }
    PortStandIn(const PortStandIn&) = delete;
    PortStandIn& operator=(const PortStandIn&) = delete;

  private:
    platform::PortHandle kept_;
};

// Closes the open port, if any, and marks the handle invalid (rescan, a failed image write, exit).
void CloseLinkPort();

// Replaces the status line's text.
void ShowLinkStatus(const std::u16string& text);

// Writes count bytes from the image buffer to the port (or the file standing in for it).
platform::PortResult WriteImageBuffer(std::int32_t count);

} // namespace zor

// The one link to the converter: the port handle, the two 8192-byte buffers every exchange uses, and the
// few widgets the link drives, handed over once at start-up by app/wiring.cpp (the link never names
// the form; its calls up into the form are in link_hooks.h).
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

// Widgets of the main form the converter exchanges change; set by app/wiring.cpp.
struct LinkWidgets {
    Widget* mainWindow = nullptr;   // its timer runs every exchange, one job at a time
    Widget* portLabel = nullptr;    // "---", "Scanning n", "COMn"
    Widget* rescanButton = nullptr; // its tag is the scanning flag
    Widget* statusLine = nullptr;
    // Disabled while a firmware update runs: "Read Settings", "Restart Converter", "Test LEDs",
    // "Save Config", "Open Config", "Send Settings", "Pick" and "Rescan Ports".
    std::array<Widget*, firmwareDisabledSetSize> firmwareDisabledSet{};
};

// What the query on its way asks for: the converter's settings ("Read Settings", the scan), or only who
// it is, before "Send Settings" writes.
enum class ReplyPurpose { Settings, SendCheck };

struct LinkState {
    platform::PortHandle portHandle = platform::invalidPortHandle;
    ReplyPurpose replyPurpose = ReplyPurpose::Settings;
    std::int32_t scanPortNumber = 0;
    // The reply being read: the bytes earlier reads put into the receive buffer, and when the query
    // went out (the reply is read on to its trailer for at most replyReadLimitMs after it).
    std::int32_t replyReceived = 0;
    std::uint32_t queryAtMs = 0;
    std::uint8_t receiveBuffer[receiveBufferSize] = {};
    std::uint8_t imageBuffer[imageBufferSize] = {};
    LinkWidgets widgets;
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

// What the NMEA tools ask of the link: the window whose timer runs the exchanges and owns their
// boxes, and the status line; null until the start-up wiring.
Widget* LinkMainWindow();
Widget* LinkStatusLine();

// The receive buffer zeroed, then one read of up to its size from the port (or the file standing in
// for it): how a streamed burst of sentences and a configuration file come in.
platform::PortResult ReadIntoReceiveBuffer();
// The same, keeping the bytes from keepFrom up to keepTo of the last read: they move to the buffer's
// start and the read goes in after them (a sentence the last read cut off gets its rest). The count is
// that of the new bytes.
platform::PortResult ReadIntoReceiveBufferKeeping(std::int32_t keepFrom, std::int32_t keepTo);
const std::uint8_t* ReceiveBuffer();

// Writes count bytes from the image buffer to the port (or the file standing in for it).
platform::PortResult WriteImageBuffer(std::int32_t count);

} // namespace zor

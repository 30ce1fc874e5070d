#include "link/converter_commands.h"

#include "link/detection_status.h"
#include "link/exchange_owner.h"
#include "link/link_state.h"
#include "link/streaming.h"

#include <cstring>

namespace zor {

bool SendCommandByte(std::uint8_t command) {
    converterLink.imageBuffer[0] = command;
    const platform::PortResult written = WriteImageBuffer(1);
    if (written.ok()) return true;
    ShowLinkStatus(SerialWriteFailedText(static_cast<std::int32_t>(written.error)));
    return false;
}

void RestartConverterClicked(Widget&) {
    if (MayGoAhead(UserAction::RestartConverter)) SendCommandByte(restartCommand);
}

void TestLedsClicked(Widget&) {
    if (MayGoAhead(UserAction::TestLeds)) SendCommandByte(testLedsCommand);
}

void StartStreaming() {
    std::memset(converterLink.receiveBuffer, 0, sizeof converterLink.receiveBuffer);
    StartStreamingThrough(converterLink.portHandle, SendCommandByte);
}

void StopStreaming() {
    StopStreamingThrough(converterLink.portHandle, SendCommandByte);
}

platform::PortResult WriteSettingsImage(const std::uint8_t* bytes, std::int32_t length) {
    if (length < 0 || length > imageBufferSize) length = 0;
    std::memcpy(converterLink.imageBuffer, bytes, static_cast<std::size_t>(length));
    return WriteImageBuffer(length);
}

} // namespace zor

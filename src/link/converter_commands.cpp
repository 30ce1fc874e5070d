#include "link/converter_commands.h"

#include "link/detection_status.h"
#include "link/link_state.h"

#include <cstring>

namespace zor {

bool SendCommandByte(std::uint8_t command) {
    converterLink.imageBuffer[0] = command;
    const platform::PortResult written =
        platform::writePort(converterLink.portHandle, converterLink.imageBuffer, 1);
    if (written.ok()) return true;
    if (converterLink.widgets.statusLine != nullptr)
        converterLink.widgets.statusLine->setText(
            SerialWriteFailedText(static_cast<std::int32_t>(written.error)).c_str());
    return false;
}

void StartStreaming() {
    platform::purgeReceive(converterLink.portHandle);
    std::memset(converterLink.receiveBuffer, 0, sizeof converterLink.receiveBuffer);
    SendCommandByte(startStreamingCommand);
}

void StopStreaming() {
    SendCommandByte(stopStreamingCommand);
    platform::purgeReceive(converterLink.portHandle);
}

} // namespace zor

#include "link/link_state.h"

#include <cstring>

namespace zor {

LinkState converterLink;

void CloseLinkPort() {
    if (converterLink.portHandle != platform::invalidPortHandle)
        platform::closePort(converterLink.portHandle);
}

void ShowLinkStatus(const std::u16string& text) {
    if (converterLink.widgets.statusLine != nullptr) converterLink.widgets.statusLine->setText(text.c_str());
}

Widget* LinkMainWindow() {
    return converterLink.widgets.mainWindow;
}

Widget* LinkStatusLine() {
    return converterLink.widgets.statusLine;
}

platform::PortResult ReadIntoReceiveBuffer() {
    std::memset(converterLink.receiveBuffer, 0, sizeof converterLink.receiveBuffer);
    return platform::readPort(converterLink.portHandle, converterLink.receiveBuffer,
                              sizeof converterLink.receiveBuffer);
}

platform::PortResult ReadIntoReceiveBufferKeeping(std::int32_t keepFrom, std::int32_t keepTo) {
    std::uint8_t* buffer = converterLink.receiveBuffer;
    if (keepFrom < 0 || keepTo > receiveBufferSize || keepFrom >= keepTo) keepFrom = keepTo = 0;
    const std::int32_t kept = keepTo - keepFrom;
    std::memmove(buffer, buffer + keepFrom, static_cast<std::size_t>(kept));
    std::memset(buffer + kept, 0, static_cast<std::size_t>(receiveBufferSize - kept));
    return platform::readPort(converterLink.portHandle, buffer + kept,
                              static_cast<std::uint32_t>(receiveBufferSize - kept));
}

const std::uint8_t* ReceiveBuffer() {
    return converterLink.receiveBuffer;
}

platform::PortResult WriteImageBuffer(std::int32_t count) {
    const platform::PortResult written = platform::writePort(
        converterLink.portHandle, converterLink.imageBuffer, static_cast<std::uint32_t>(count));
    return written;
}

} // namespace zor

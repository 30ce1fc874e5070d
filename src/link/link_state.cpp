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

const std::uint8_t* ReceiveBuffer() {
    return converterLink.receiveBuffer;
}

platform::PortResult WriteImageBuffer(std::int32_t count) {
    const platform::PortResult written = platform::writePort(
        converterLink.portHandle, converterLink.imageBuffer, static_cast<std::uint32_t>(count));
    return written;
}

} // namespace zor

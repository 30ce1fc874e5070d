#include "link/link_state.h"

namespace zor {

LinkState converterLink;

void CloseLinkPort() {
    if (converterLink.portHandle != platform::invalidPortHandle)
        platform::closePort(converterLink.portHandle);
}

void ShowLinkStatus(const std::u16string& text) {
    if (converterLink.widgets.statusLine != nullptr) converterLink.widgets.statusLine->setText(text.c_str());
}

platform::PortResult WriteImageBuffer(std::int32_t count) {
    const platform::PortResult written = platform::writePort(
        converterLink.portHandle, converterLink.imageBuffer, static_cast<std::uint32_t>(count));
    return written;
}

} // namespace zor

#include "link/query_write.h"

#include "link/converter_detection.h"

#include <cstring>

namespace zor {

platform::PortResult WriteQuery(platform::PortHandle port, std::uint8_t* receive, std::uint8_t* send) {
    (void)platform::purgeReceive(port);
    std::memset(receive, 0, static_cast<std::size_t>(receiveBufferSize));
    std::memcpy(send, queryText, static_cast<std::size_t>(queryLength));
    return platform::writePort(port, send, static_cast<std::uint32_t>(queryLength));
}

platform::PortResult ReadQueryReply(platform::PortHandle port, std::uint8_t* receive) {
    return platform::readPort(port, receive, static_cast<std::uint32_t>(receiveBufferSize));
}

} // namespace zor

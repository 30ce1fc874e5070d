#include "link/query_write.h"

#include <cstring>

namespace zor {

platform::PortResult WriteQuery(platform::PortHandle port, std::uint8_t* receive, std::uint8_t* send) {
    (void)platform::purgeReceive(port);
    std::memset(receive, 0, static_cast<std::size_t>(receiveBufferSize));
    std::memcpy(send, queryText, static_cast<std::size_t>(queryLength));
    return platform::writePort(port, send, static_cast<std::uint32_t>(queryLength));
}

platform::PortResult ReadQueryReply(platform::PortHandle port, std::uint8_t* receive, std::int32_t received) {
    if (received < 0) received = 0;
    if (received >= receiveBufferSize) return {};
    return platform::readPort(port, receive + received,
                              static_cast<std::uint32_t>(receiveBufferSize - received));
}

bool ReplyReadsOn(const ReplyOutcome& recognised, std::int32_t received, std::uint32_t sinceQueryMs) {
    return recognised.detection == Detection::Detected && !recognised.complete &&
           received < receiveBufferSize && sinceQueryMs + replyReadOnStepMs < replyReadLimitMs;
}

} // namespace zor

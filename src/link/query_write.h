// The query as every exchange writes it and its reply as every exchange reads it, in the window and in
// zor-config alike; between the two the caller waits replyWaitMs, the window on its timer, zor-config
// asleep.
#pragma once

#include "platform/port.h"

#include <cstdint>

namespace zor {

// What is still queued from an earlier answer (the rest of a reply cut by a pause) is thrown away
// first: it would stand in front of the new reply, and a zero byte in it would hide the tag. Then the
// receive buffer (receiveBufferSize bytes) is zeroed and "~ZOR0" is put in send and written in one write.
platform::PortResult WriteQuery(platform::PortHandle port, std::uint8_t* receive, std::uint8_t* send);

// One read of up to receiveBufferSize bytes into the receive buffer WriteQuery zeroed.
platform::PortResult ReadQueryReply(platform::PortHandle port, std::uint8_t* receive);

} // namespace zor

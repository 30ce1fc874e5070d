// The query as every exchange writes it, in the window and in zor-config alike.
#pragma once

#include "platform/port.h"

#include <cstdint>

namespace zor {

// What is still queued from an earlier answer (the rest of a reply cut by a pause) is thrown away
// first: it would stand in front of the new reply, and a zero byte in it would hide the tag. Then the
// receive buffer (receiveBufferSize bytes) is zeroed and "~ZOR0" is put in send and written in one write.
platform::PortResult WriteQuery(platform::PortHandle port, std::uint8_t* receive, std::uint8_t* send);

} // namespace zor

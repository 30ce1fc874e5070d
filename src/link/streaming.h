// Between "s" and "x" the converter sends on what it receives. Both ends empty the input queue on the
// side where stream bytes could be left behind: before "s" (the rest of an earlier reply) and after "x"
// (what was on the line as it stopped), so no stream byte is taken for the next exchange's answer. The
// window and zor-config each send the byte their own way; the order is written here once.
#pragma once

#include "link/command_bytes.h"
#include "platform/port.h"

namespace zor {

template <typename SendByte>
auto StartStreamingThrough(const platform::PortHandle& port, SendByte send) {
    platform::purgeReceive(port);
    return send(startStreamingCommand);
}

template <typename SendByte>
auto StopStreamingThrough(const platform::PortHandle& port, SendByte send) {
    auto sent = send(stopStreamingCommand);
    platform::purgeReceive(port);
    return sent;
}

} // namespace zor

// The query as every exchange writes it and its reply as every exchange reads it, in the window and in
// zor-config alike; between the two the caller waits replyWaitMs, the window on its timer, zor-config
// asleep.
#pragma once

#include "link/reply_outcome.h"
#include "platform/port.h"

#include <cstdint>

namespace zor {

// What is still queued from an earlier answer (the rest of a reply cut by a pause) is thrown away
// first: it would stand in front of the new reply, and a zero byte in it would hide the tag. Then the
// receive buffer (receiveBufferSize bytes) is zeroed and "~ZOR0" is put in send and written in one write.
platform::PortResult WriteQuery(platform::PortHandle port, std::uint8_t* receive, std::uint8_t* send);

// One read into the receive buffer WriteQuery zeroed, after the received bytes earlier reads of the
// same reply put there, of up to what is left of its receiveBufferSize bytes.
platform::PortResult ReadQueryReply(platform::PortHandle port, std::uint8_t* receive,
                                    std::int32_t received = 0);

// A converter busy for a moment (writing its EEPROM, behind a USB adapter's latency) starts its reply
// late, and a 326-byte reply takes 340 ms on the line: more than one read's 200 ms. So once the tag has
// arrived, a reply short of its trailer is read on in further reads, each bounded by the port's
// time-outs, with nothing sent, until the trailer arrives or replyReadLimitMs have passed since the
// query; only then is it called cut. Between two reads the window's timer waits replyReadOnStepMs.
inline constexpr std::uint32_t replyReadLimitMs = 1000;
inline constexpr std::uint32_t replyReadOnStepMs = 10;

// Whether one more read is due: the received bytes, recognised, hold a reply tag but not yet its
// trailer, room is left in the buffer, and time left since the query.
bool ReplyReadsOn(const ReplyOutcome& recognised, std::int32_t received, std::uint32_t sinceQueryMs);

} // namespace zor
